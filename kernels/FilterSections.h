#pragma once

#include "core/SafeMath.h"

#include <array>
#include <cmath>

namespace gatevox
{

// A coefficient set for one biquad step. The designs write a0 = 1; the
// section never reads a0.
struct BiquadCoefficients
{
    float a0 = 0.0f;
    float a1 = 0.0f;
    float a2 = 0.0f;
    float b0 = 0.0f;
    float b1 = 0.0f;
    float b2 = 0.0f;
};

// Direct-form biquad history. It holds no coefficients: every call passes a set.
struct BiquadSection
{
    float x1 = 0.0f;
    float x2 = 0.0f;
    float y1 = 0.0f;
    float y2 = 0.0f;
    int ownerKey = 0;
};

// One step of the section. A key other than the one it saw last clears the
// history first and is then remembered.
float biquadProcess (BiquadSection& section, float x, const BiquadCoefficients& c, int ownerKey) noexcept;

// Second-order designs; w = 2 pi fc / fs, all in single precision.
[[nodiscard]] BiquadCoefficients designLowPass (float fc, float q, float fs) noexcept;
[[nodiscard]] BiquadCoefficients designHighPass (float fc, float q, float fs) noexcept;

// A low-pass design and the fc, q and fs it was made from.
struct LowPassDesign
{
    bool designed = false;
    float fc = 0.0f;
    float q = 0.0f;
    float fs = 0.0f;
    BiquadCoefficients k;
};

// designLowPass (fc, q, fs), recomputed only when fc, q or fs differ bit for
// bit from the values of the design held.
[[nodiscard]] const BiquadCoefficients& designLowPassOnChange (LowPassDesign& design, float fc, float q,
                                                               float fs) noexcept;

// Peaking section of linear centre gain g; q is a frequency in hertz and the
// quality is fs / q.
[[nodiscard]] BiquadCoefficients designPeak (float fc, float g, float q, float fs) noexcept;

namespace svfMode
{
inline constexpr int lowPass = 1, highPass = 2, bandPass = 3, notch = 4, peak = 5;
} // namespace svfMode

// State-variable filter with a plain (one step per sample) and a shaped
// (two oversampled steps, cubic band limiter) variant.
struct StateVariableFilter
{
    int mode = svfMode::lowPass;
    float f = 2.0f * std::sin (0.0435896f);
    float q = 1.0f;  // damping as the kernel passed it
    float qc = 0.0f; // clamped damping of the shaped variant
    float k = 0.0f;  // nonlinearity of the shaped variant
    float low = 0.0f;
    float band = 0.0f;
    int silence = 0; // run of inputs below 1e-7 in magnitude

    // What svfSet last derived f and q^(1/4) from: it recomputes a sine or a
    // power only when its argument changed.
    bool tuned = false;
    float tunedFc = 0.0f;
    float tunedFs = 0.0f;
    float rootOfQ = 1.0f;
};

// Stores mode, damping and nonlinearity and derives f and qc for fc at fs;
// called every sample before processing.
void svfSet (StateVariableFilter& filter, float fs, float fc, int mode, float q, float k) noexcept;

// Both return 0 for an input that is not a number and then change nothing.
float svfProcess (StateVariableFilter& filter, float x) noexcept;
float svfProcessShaped (StateVariableFilter& filter, float x) noexcept;

// Fixed first-order low-pass: unit gain at 0 Hz, a zero at half the sample rate.
struct GentleLowPass
{
    float y1 = 0.0f;
    float x1 = 0.0f;
    int ownerKey = 0;
    float b0 = 0.0f;
    float b1 = 0.0f;
    float a1 = 0.0f;
};

float gentleLowPass (GentleLowPass& filter, float x, int ownerKey) noexcept;

// Two-pole resonator of radius r at a tuned frequency.
struct TwoPoleResonator
{
    float r = 0.0f;
    float c = 0.0f;
    float frequency = 0.0f;
    float x1 = 0.0f;
    float y1 = 0.0f;
    float y2 = 0.0f;
};

void resonatorTune (TwoPoleResonator& resonator, float frequency, float r, float fs) noexcept;
float resonatorProcess (TwoPoleResonator& resonator, float x) noexcept;

// Retunes when the frequency or the radius moved by the change threshold or more.
void resonatorFollow (TwoPoleResonator& resonator, float frequency, float r, float fs) noexcept;

// A slow peak follower: when a pushed magnitude exceeds the register, the six
// history slots and the register take the previous newest value and the pushed
// one becomes the newest. The register thus lags one update behind.
struct PeakRegister
{
    float newest = 0.0f;
    std::array<float, 6> history{};
    float peak = 0.0f;
};

void peakRegisterPush (PeakRegister& r, float magnitude) noexcept;

// A low-pass at the lower band edge followed by a high-pass at the upper one,
// normalised by a slow peak register, blended with the input and limited to
// -1 ... 1. A section output beyond the blow-up level (no sane signal comes
// near it) is a blow-up: the sections start afresh, the register is set to
// that level and then recovers, falling by the recovery release every sample
// until it is back at 1 or below, when it is cleared and follows as before.
struct BandPassPair
{
    static constexpr float blowUpLevel = 1.0e5f;
    static constexpr float recoveryRelease = 0.999f;

    BiquadSection lowPass;
    BiquadSection highPass;
    BiquadCoefficients lowPassCoefficients;
    BiquadCoefficients highPassCoefficients;
    float fc = 0.0f;
    float bandwidth = 0.0f;
    float q = 0.0f;
    float half = 0.0f;
    float lower = 0.0f;
    float upper = 0.0f;
    float output = 0.0f; // the last section output
    PeakRegister peak;
    bool recovering = false; // the register is falling back after a blow-up
};

float bandPassPair (BandPassPair& pair, float x, float fc, float bandwidth, float q, float mix, float fs) noexcept;

// Before bandPassPair: when pair is about to be redesigned for exactly the
// values the other channel's pair was last designed for, it takes that
// design instead of computing the same one again.
void adoptDesign (BandPassPair& pair, const BandPassPair& designed, float fc, float bandwidth, float q,
                  float fs) noexcept;

// A stored value counts as changed when the new one differs by 1e-7 or more.
[[nodiscard]] inline bool changedBeyondThreshold (float stored, float next) noexcept
{
    // A stored value that is not finite (from an absurd parameter) gives way to
    // any finite one, so a design made from it does not stick.
    if (!std::isfinite (stored))
        return std::isfinite (next);

    const float d = next - stored;
    return d >= 1.0e-7f || d <= -1.0e-7f;
}

// Clears the running history (not the owner key) of a section and a filter.
void clearHistory (BiquadSection& section) noexcept;
void clearHistory (StateVariableFilter& filter) noexcept;

} // namespace gatevox
