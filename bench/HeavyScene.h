#pragma once

#include "bench/CatalogueDefaults.h"

#include <cstdint>

// The heaviest realistic scene, shared by the benchmarks and the golden render
// test: five slots at their catalogue defaults ("FM MOD" and "LPF COLOR"
// parallel, "FORMANT" and "DELAY MOD" in chain A, "LPF 24dB" in chain B), slot
// 0's envelope on its first parameter, and every layer of pattern 0 changing
// slot at every step, 1/8 steps.
namespace gatevox::scene
{
inline void programmeHeavyScene (ProcessorModel& model)
{
    const int kernels[numSlots] = {kernelId::fmMod, kernelId::lpfColor, kernelId::formant, kernelId::delayMod,
                                   kernelId::lpf24dB};
    const int routes[numSlots] = {0, 0, 1, 1, 2};
    for (int s = 0; s < numSlots; ++s)
    {
        loadCatalogueKernel (model, s, kernels[s]);
        model.setRouteType (s, routes[s]);
    }

    model.envelope (0).switches.waitingWrite (EnvelopeSettings::envelopeOn, 1.0f);
    model.envelope (0).destination.waitingWrite (0, EnvelopeSettings::param1Destination);

    for (int layer = 0; layer < numLayers; ++layer)
        for (int step = 0; step < numSteps; ++step)
            model.writeStep (0, layer, step, (3 * step + 2 * layer + step / 4) % numSlots);
    model.setPatternSpeed (2); // 1/8
}

// Uniform noise in -amplitude .. amplitude from a 32-bit linear congruential
// generator: the same sequence on every machine.
class Noise
{
public:
    explicit Noise (float noiseAmplitude) noexcept : amplitude (noiseAmplitude) {}

    float next() noexcept
    {
        state = state * 1664525u + 1013904223u;
        return amplitude * (static_cast<float> (state >> 8) / 8388608.0f - 1.0f);
    }

private:
    float amplitude;
    std::uint32_t state = 1;
};
} // namespace gatevox::scene
