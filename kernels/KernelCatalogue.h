#pragma once

#include "core/KernelParamStore.h"
#include "core/ModelSizes.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace gatevox
{

inline constexpr int numKernels = 51;
inline constexpr int numKernelParameters = numKernelParams;

// The kernels in catalogue order; the position is the kernel id that the
// dispatch switches on and the name is what the editor and the files use.
inline constexpr std::array<std::string_view, numKernels> kernelNames{
    "TREMELO",   "STEREO PAN", "LPF 12dB",    "LPF 24dB",      "LPF SVF1",      "LPF FUZZ", "LPF GRUNGE",
    "LPF COMB",  "LPF COLOR",  "LPF DOUBLER", "LPF SLAPBACK",  "HPF SVF1",      "HPF FUZZ", "HPF GRUNGE",
    "HPF COMB",  "HPF COLOR",  "HPF DOUBLER", "HPF SLAPBACK",  "HPF 12dB",      "HPF 24dB", "HPF AMDSB",
    "HPF AMSSB", "NOTCH",      "FORMANT",     "FORMANT AMDSB", "FORMANT AMSSB", "PEAK SVF", "PEAK BIQUAD",
    "BPF SVF1",  "BPF AMDSB",  "BPF AMSSB",   "BPF EXCITED",   "BPF GRUNGE",    "BPF THIN", "RESONATOR",
    "DELAY MOD", "VIBRATO",    "SLAPBACK",    "RING MOD",      "FM MOD",        "PM MOD",   "AM DSB",
    "AM SSB",    "AM MOD",     "RESAMPLER",   "DISTORT",       "DISTORT2",      "DISTORT3", "SAMPLE HOLD",
    "BYPASS",    "SILENCE",
};

// Kernel parameter names; the position is the parameter number k.
inline constexpr std::array<std::string_view, numKernelParameters> kernelParameterNames{
    "Fc",     "Fmin",   "Fmax",   "Freq1",    "Freq2",     "Q",      "Bw",      "Drive",  "Rate1",    "Rate2",
    "Time",   "Width",  "Wet",    "Dry",      "Attack",    "Decay",  "Release", "Thres1", "Thres2",   "Hold",
    "Mod",    "Fade",   "Factor", "Depth",    "Width1",    "Width2", "Gain",    "Clip",   "Feedback", "Mix",
    "Delay1", "Delay2", "Vowel",  "High Cut", "Mid Boost", "Res",    "Grunge",  "Shape",  "Color",    "Amount",
};

// The unit shown beside each parameter's value; one blank means no unit.
inline constexpr std::array<std::string_view, numKernelParameters> kernelParameterUnits{
    "Hz", "%", "%", "Hz", "Hz", " ", "Hz", " ", "Hz", "Hz", "s", "%", "%", "%", "s", "s", "s", "%", "%", "s",
    "Hz", " ", " ", "%",  "%",  "%", " ",  " ", "%",  "%",  "s", "s", " ", "%", "%", "%", "%", " ", " ", " ",
};

namespace kernelId
{
inline constexpr int tremolo = 0, stereoPan = 1, lpf12dB = 2, lpf24dB = 3, lpfSvf1 = 4, lpfFuzz = 5, lpfGrunge = 6,
                     lpfComb = 7, lpfColor = 8, lpfDoubler = 9, lpfSlapback = 10, hpfSvf1 = 11, hpfFuzz = 12,
                     hpfGrunge = 13, hpfComb = 14, hpfColor = 15, hpfDoubler = 16, hpfSlapback = 17, hpf12dB = 18,
                     hpf24dB = 19, hpfAmDsb = 20, hpfAmSsb = 21, notch = 22, formant = 23, formantAmDsb = 24,
                     formantAmSsb = 25, peakSvf = 26, peakBiquad = 27, bpfSvf1 = 28, bpfAmDsb = 29, bpfAmSsb = 30,
                     bpfExcited = 31, bpfGrunge = 32, bpfThin = 33, resonator = 34, delayMod = 35, vibrato = 36,
                     slapback = 37, ringMod = 38, fmMod = 39, pmMod = 40, amDsb = 41, amSsb = 42, amMod = 43,
                     resampler = 44, distort = 45, distort2 = 46, distort3 = 47, sampleHold = 48, bypass = 49,
                     silence = 50;
} // namespace kernelId

namespace kernelParam
{
inline constexpr std::size_t fc = 0, fmin = 1, fmax = 2, freq1 = 3, freq2 = 4, q = 5, bw = 6, drive = 7, rate1 = 8,
                             rate2 = 9, time = 10, width = 11, wet = 12, dry = 13, attack = 14, decay = 15,
                             release = 16, thres1 = 17, thres2 = 18, hold = 19, mod = 20, fade = 21, factor = 22,
                             depth = 23, width1 = 24, width2 = 25, gain = 26, clip = 27, feedback = 28, mix = 29,
                             delay1 = 30, delay2 = 31, vowel = 32, highCut = 33, midBoost = 34, res = 35, grunge = 36,
                             shape = 37, color = 38, amount = 39;
} // namespace kernelParam

// Position of an exact, case-sensitive match in the kernel names; -1 when absent.
[[nodiscard]] int kernelIdOfName (std::string_view name) noexcept;

// Position of an exact, case-sensitive match in the parameter names; -1 when absent.
[[nodiscard]] int parameterIndexOfName (std::string_view name) noexcept;

// Ids outside the catalogue run as "BYPASS", and are named so.
[[nodiscard]] std::string_view kernelNameOfId (int id) noexcept;

// The kernel's entry key in the parameter document: its name without blanks.
[[nodiscard]] std::string kernelKey (std::string_view name);

// Min + v x (Max - Min) of parameter k, from the store's current range, for v
// in 0-1. Finite ends give a finite value, even when Max - Min overflows.
[[nodiscard]] float valueOfNormalisedPosition (const KernelParamStore& store, std::size_t k, float v) noexcept;

} // namespace gatevox
