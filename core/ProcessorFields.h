#pragma once

#include "core/ModelSizes.h"
#include "core/RelaxedAtomic.h"

#include <array>
#include <cstdint>

namespace gatevox
{

// Host timing and the step clock's position. The audio thread owns these; the
// reset and the pattern speed parameter store into some of them from other
// threads, one whole value at a time.
struct TransportFields
{
    RelaxedAtomic<float> tempo{120.0f};             // beats per minute
    RelaxedAtomic<double> hostSampleRate{0.0};      // the host's own value, saved as "sample_rate"
    RelaxedAtomic<float> sampleRateFloat{48000.0f}; // used by all timing
    RelaxedAtomic<std::int32_t> sampleRateInt{48000};

    RelaxedAtomic<double> ppqPos{0.0}; // song position in quarter notes
    RelaxedAtomic<double> ppqPerSample{0.0};
    RelaxedAtomic<double> anchorPpq{0.0}; // position at the last step change
    RelaxedAtomic<float> stepLengthBeats{1.0f};
    RelaxedAtomic<double> stepsPerBeat{1.0};
    RelaxedAtomic<std::int32_t> samplesPerStep{0};
    RelaxedAtomic<std::int32_t> envelopePeriod{0}; // samples in four beats
    RelaxedAtomic<std::int32_t> envelopeClock{0};
    RelaxedAtomic<std::int32_t> sampleInStep{0};

    // Render copies of the sequencer state.
    RelaxedAtomic<std::int32_t> step{1}; // 1-16
    RelaxedAtomic<std::int32_t> previousStep{0};
    RelaxedAtomic<std::int32_t> playPattern{0};
    RelaxedAtomic<std::int32_t> stepIsOne{0};
};

// The render loop's transition gains and scratch values.
struct RenderFields
{
    static constexpr std::int32_t defaultCrossfadeLength = 384;

    RelaxedAtomic<std::int32_t> crossfadeLength{defaultCrossfadeLength};
    std::array<RelaxedAtomic<float>, numLayers> layerGain{1.0f, 1.0f, 1.0f, 1.0f};
    std::array<RelaxedAtomic<float>, numLayers> gainIncrement{};
    RelaxedAtomic<std::int32_t> transitionFlag{0};
    RelaxedAtomic<std::int32_t> fadeOutStarted{0};
    std::array<RelaxedAtomic<std::int32_t>, numLayers> lastSlotPerLayer{};
    RelaxedAtomic<std::uint32_t> slotsProcessed{0}; // one bit per slot rendered in this sample

    RelaxedAtomic<std::int32_t> silenceCount{0};
    std::array<RelaxedAtomic<float>, 2> lastOutput{};
    std::array<std::array<RelaxedAtomic<float>, 2>, numLayers> layerOutput{};

    // Every layer at full gain with no fade running.
    void settleTransitionGains() noexcept
    {
        for (std::size_t layer = 0; layer < numLayers; ++layer)
        {
            layerGain[layer] = 1.0f;
            gainIncrement[layer] = 0.0f;
        }
    }

    void clearLayerOutputs() noexcept
    {
        for (auto& pair : layerOutput)
            pair = {};
    }
};

} // namespace gatevox
