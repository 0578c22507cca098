#pragma once

#include "core/ProcessorModel.h"
#include "kernels/KernelCatalogue.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace gatevox::scene
{
namespace p = kernelParam;
using Defaults = std::vector<std::pair<std::size_t, float>>;

struct KernelDefaults
{
    int id;
    Defaults values;
};

// The catalogue's default values of every kernel that has parameters, as the
// parameter document (persistence/KernelParameterDocument.cpp, on the JUCE side)
// holds them; "BYPASS" and "SILENCE" have none.
inline const std::vector<KernelDefaults> catalogueDefaults{
    {kernelId::tremolo, {{p::depth, 1.0f}}},
    {kernelId::stereoPan, {{p::depth, 1.0f}}},
    {kernelId::lpf12dB, {{p::fc, 3000.0f}, {p::fmin, 0.1f}, {p::q, 1.414f}, {p::mix, 1.0f}}},
    {kernelId::lpf24dB, {{p::fc, 12000.0f}, {p::fmin, 0.1f}, {p::q, 1.414f}, {p::mix, 1.0f}}},
    {kernelId::lpfSvf1, {{p::fc, 7000.0f}, {p::fmin, 0.1f}, {p::q, 0.83f}, {p::mix, 1.0f}}},
    {kernelId::lpfFuzz, {{p::fc, 3400.0f}, {p::fmin, 0.1f}, {p::q, 1.0f}, {p::drive, 0.3f}, {p::mix, 1.0f}}},
    {kernelId::lpfGrunge, {{p::fc, 7000.0f}, {p::fmin, 0.1f}, {p::q, 0.7071f}, {p::drive, 0.52f}, {p::mix, 1.0f}}},
    {kernelId::lpfComb, {{p::fc, 10000.0f}, {p::fmin, 0.2f}, {p::q, 1.414f}, {p::mix, 1.0f}}},
    {kernelId::lpfColor, {{p::fc, 4000.0f}, {p::fmin, 0.2f}, {p::color, 0.35f}, {p::mix, 0.7f}}},
    {kernelId::lpfDoubler,
     {{p::fc, 7000.0f}, {p::fmin, 0.1f}, {p::delay1, 0.01f}, {p::feedback, 0.7f}, {p::mix, 1.0f}}},
    {kernelId::lpfSlapback,
     {{p::fc, 7000.0f}, {p::fmin, 0.1f}, {p::delay1, 0.01f}, {p::feedback, 0.9f}, {p::mix, 0.9f}}},
    {kernelId::hpfSvf1, {{p::fc, 5000.0f}, {p::fmin, 0.667f}, {p::res, 0.777f}, {p::mix, 1.0f}}},
    {kernelId::hpfFuzz, {{p::fc, 5000.0f}, {p::fmin, 0.1f}, {p::res, 0.777f}, {p::drive, 0.2f}, {p::mix, 1.0f}}},
    {kernelId::hpfGrunge, {{p::fc, 5000.0f}, {p::fmin, 0.1f}, {p::res, 0.777f}, {p::drive, 0.2f}, {p::mix, 0.7f}}},
    {kernelId::hpfComb, {{p::fc, 2000.0f}, {p::fmin, 0.1f}, {p::q, 0.777f}, {p::mix, 1.0f}}},
    {kernelId::hpfColor, {{p::fc, 5000.0f}, {p::fmin, 0.2f}, {p::mix, 0.8f}, {p::color, 0.4f}}},
    {kernelId::hpfDoubler,
     {{p::fc, 5000.0f}, {p::fmin, 0.1f}, {p::delay1, 0.01f}, {p::feedback, 0.7f}, {p::mix, 0.6f}}},
    {kernelId::hpfSlapback,
     {{p::fc, 3000.0f}, {p::fmin, 0.111f}, {p::delay1, 0.01f}, {p::feedback, 0.93f}, {p::mix, 0.9f}}},
    {kernelId::hpf12dB, {{p::fc, 2000.0f}, {p::fmin, 0.1f}, {p::q, 0.777f}, {p::mix, 1.0f}, {p::drive, 0.999f}}},
    {kernelId::hpf24dB, {{p::fc, 2000.0f}, {p::fmin, 0.1f}, {p::q, 0.777f}, {p::mix, 1.0f}, {p::drive, 0.999f}}},
    {kernelId::hpfAmDsb, {{p::fc, 5000.0f}, {p::fmin, 0.333f}, {p::freq1, 7000.0f}, {p::mix, 1.0f}}},
    {kernelId::hpfAmSsb, {{p::fc, 4000.0f}, {p::fmin, 0.333f}, {p::freq1, 7000.0f}, {p::mix, 1.0f}}},
    {kernelId::notch, {{p::fc, 6000.0f}, {p::fmin, 0.2f}, {p::mix, 1.0f}}},
    {kernelId::formant, {{p::vowel, 0.4f}, {p::fc, 2000.0f}, {p::mix, 0.7f}}},
    {kernelId::formantAmDsb, {{p::fc, 5900.0f}, {p::amount, 1.0f}, {p::mix, 1.0f}}},
    {kernelId::formantAmSsb, {{p::fc, 3130.0f}, {p::amount, 1.0f}, {p::mix, 1.0f}}},
    {kernelId::peakSvf, {{p::fc, 10000.0f}, {p::q, 0.36f}, {p::mix, 0.7f}}},
    {kernelId::peakBiquad, {{p::fc, 1120.0f}, {p::fmin, 0.2795f}, {p::gain, 6.0f}, {p::mix, 1.0f}}},
    {kernelId::bpfSvf1, {{p::fc, 2600.0f}, {p::q, 0.17f}, {p::bw, 4000.0f}, {p::mix, 0.6f}}},
    {kernelId::bpfAmDsb, {{p::fc, 2600.0f}, {p::freq1, 2600.0f}, {p::amount, 1.0f}, {p::mix, 0.7f}}},
    {kernelId::bpfAmSsb, {{p::fc, 2600.0f}, {p::freq1, 2000.0f}, {p::amount, 1.4f}, {p::mix, 0.7f}}},
    {kernelId::bpfExcited, {{p::fc, 2600.0f}, {p::q, 0.17f}, {p::bw, 4000.0f}, {p::mix, 1.0f}}},
    {kernelId::bpfGrunge, {{p::fc, 2600.0f}, {p::q, 0.17f}, {p::bw, 4000.0f}, {p::drive, 0.2f}, {p::mix, 0.7f}}},
    {kernelId::bpfThin, {{p::fc, 2000.0f}, {p::bw, 500.0f}, {p::q, 3.0f}, {p::mix, 0.9071f}}},
    {kernelId::resonator, {{p::freq1, 8800.0f}, {p::freq2, 2200.0f}, {p::q, 0.9f}, {p::mix, 1.0f}}},
    {kernelId::delayMod, {{p::width, 0.1f}, {p::delay1, 0.1f}, {p::feedback, 0.3f}, {p::mix, 0.4f}}},
    {kernelId::vibrato, {{p::delay1, 0.015f}, {p::width, 1.0f}, {p::feedback, 1.0f}, {p::mix, 0.5f}}},
    {kernelId::slapback, {{p::width, 0.4f}, {p::delay1, 0.013f}, {p::feedback, 0.9f}, {p::mix, 0.4f}}},
    {kernelId::ringMod, {{p::fc, 3000.0f}, {p::mix, 0.3f}}},
    {kernelId::fmMod, {{p::fc, 1000.0f}, {p::mix, 0.7f}}},
    {kernelId::pmMod, {{p::fc, 1000.0f}, {p::mix, 0.7f}}},
    {kernelId::amDsb, {{p::fc, 5000.0f}, {p::amount, 0.7f}, {p::mix, 0.7f}}},
    {kernelId::amSsb, {{p::fc, 3000.0f}, {p::amount, 1.0f}, {p::mix, 0.7f}}},
    {kernelId::amMod, {{p::fc, 3000.0f}, {p::amount, 1.0f}, {p::mix, 0.7f}}},
    {kernelId::resampler, {{p::rate1, 22050.0f}, {p::mix, 1.0f}}},
    {kernelId::distort, {{p::drive, 0.5f}, {p::mix, 0.7f}}},
    {kernelId::distort2, {{p::drive, 0.5f}}},
    {kernelId::distort3, {{p::drive, 0.5f}, {p::mix, 0.7f}}},
    {kernelId::sampleHold, {{p::delay1, 0.0007f}, {p::amount, 0.9f}, {p::mix, 0.7f}}},
};

// Slot s runs the kernel with its catalogue defaults.
inline void loadCatalogueKernel (ProcessorModel& model, int s, int kernel)
{
    model.slot (s).ints.waitingWrite (SlotSettings::kernelId, kernel);
    const auto entry = std::find_if (catalogueDefaults.begin(), catalogueDefaults.end(),
                                     [kernel] (const KernelDefaults& d) { return d.id == kernel; });
    if (entry != catalogueDefaults.end())
        for (const auto& [k, v] : entry->values)
            model.kernelParams (s).value.waitingWrite (k, v);
}
} // namespace gatevox::scene
