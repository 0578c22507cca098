#include "tests/engine/RenderHarness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

using namespace gatevox;

namespace
{
constexpr float x = 0.25f;
constexpr int settled = 1000; // past the first step's transition samples

// The steady output after a block that lets the first step settle.
float steadyLeft (RenderHarness& h, float in = x)
{
    auto [left, right] = h.renderConstant (settled + 1, in, in);
    return left.back();
}
} // namespace

TEST (RenderLoop, EmptyStepsFollowTheGlobalOption)
{
    RenderHarness h;
    h.model->sequencer.floats.skippingWrite (SequencerState::effectMix, 0.3f);
    h.model->sequencer.floats.skippingWrite (SequencerState::effectGainActual, 0.8f);

    h.setOption (GlobalOptions::emptySequenceDefault, 1.0f); // "Bypass"
    EXPECT_FLOAT_EQ (steadyLeft (h), x * 0.8f);

    h.model->setRouteType (0, 1); // the bypass enters chain A twice as loud
    h.model->sequencer.floats.skippingWrite (SequencerState::effectMix, 1.0f);
    EXPECT_FLOAT_EQ (steadyLeft (h), 2.0f * x * 0.8f);

    for (const float option : {0.0f, 2.0f})
    {
        h.setOption (GlobalOptions::emptySequenceDefault, option);
        h.model->sequencer.floats.skippingWrite (SequencerState::effectMix, 0.3f);
        EXPECT_FLOAT_EQ (steadyLeft (h), (1.0f - 0.3f) * x * 0.8f);
        h.model->sequencer.floats.skippingWrite (SequencerState::effectMix, 1.0f);
        EXPECT_EQ (steadyLeft (h), 0.0f);
    }
}

TEST (RenderLoop, ParallelSlotsAreScaledByTheirCount)
{
    for (int count = 1; count <= 4; ++count)
    {
        RenderHarness h;
        for (int layer = 0; layer < count; ++layer)
        {
            h.fillLayer (layer, layer);
            h.setKernel (layer, kernelId::bypass);
        }

        float sum = 0.0f;
        for (int i = 0; i < count; ++i)
            sum += x;
        EXPECT_EQ (steadyLeft (h), sum * RouteMixer::gainByCount[static_cast<std::size_t> (count)])
            << count << " slots";
    }
    EXPECT_EQ (RouteMixer::gainByCount[3], 0.6464f);
    EXPECT_EQ (RouteMixer::gainByCount[4], 0.4142f);
}

TEST (RenderLoop, ParallelAndSeriesShareTheCountFactor)
{
    RenderHarness h;
    h.fillLayer (0, 0);
    h.fillLayer (1, 1);
    h.setKernel (0, kernelId::bypass);
    h.setKernel (1, kernelId::bypass);
    h.model->setRouteType (1, 1);
    EXPECT_EQ (steadyLeft (h), (x + x) * 0.7071f);
}

TEST (RenderLoop, SeriesChainStartsDryAndFeedsTheNextSlot)
{
    RenderHarness h;
    h.fillLayer (0, 1);
    h.fillLayer (1, 2);
    h.setKernel (1, kernelId::bypass);
    h.setKernel (2, kernelId::bypass);
    h.model->setRouteType (1, 2);
    h.model->setRouteType (2, 2);
    h.model->slot (1).floats.waitingWrite (SlotSettings::gain, 0.5f);

    // The first slot's output x 0.5 enters the chain times (2 - 0.5).
    const float first = (1.0f + 0.5f) * (x * 0.5f);
    EXPECT_EQ (steadyLeft (h), first);

    // A single series slot processes the dry input.
    RenderHarness single;
    single.fillLayer (0, 3);
    single.setKernel (3, kernelId::tremolo);
    single.setParam (3, kernelParam::depth, 0.0f); // passes the input
    single.model->setRouteType (3, 3);
    EXPECT_EQ (steadyLeft (single), x);
}

TEST (RenderLoop, TwoLayersOnOneSlotRenderItOnce)
{
    RenderHarness h;
    h.fillLayer (0, 2);
    h.fillLayer (3, 2);
    h.setKernel (2, kernelId::bypass);
    EXPECT_EQ (steadyLeft (h), x);
}

TEST (RenderLoop, PanSilencesOneSide)
{
    RenderHarness h;
    h.fillLayer (0, 0);
    h.setKernel (0, kernelId::bypass);

    h.model->slot (0).floats.waitingWrite (SlotSettings::pan, 0.0f);
    auto [left, right] = h.renderConstant (settled, x, x);
    EXPECT_EQ (left.back(), x);
    EXPECT_EQ (right.back(), 0.0f);

    h.model->slot (0).floats.waitingWrite (SlotSettings::pan, 1.0f);
    std::tie (left, right) = h.renderConstant (settled, x, x);
    EXPECT_EQ (left.back(), 0.0f);
    EXPECT_EQ (right.back(), x);
}

TEST (RenderLoop, PanEnvelopeMovesThePan)
{
    RenderHarness h;
    h.fillLayer (0, 0);
    h.setKernel (0, kernelId::bypass);

    // A segment held near 0 takes the centred pan fully to the left.
    auto& envelope = h.model->envelope (0);
    for (int knob = 0; knob < knobsPerSegment; ++knob)
        envelope.knobs.drainingRelease (EnvelopeSettings::knobIndex (0, knob), 0.0f);
    h.model->rebuildEnvelope (0);
    envelope.destination.waitingWrite (0, EnvelopeSettings::panDestination);
    envelope.switches.waitingWrite (EnvelopeSettings::envelopeOn, 1.0f);

    auto [left, right] = h.renderConstant (settled, x, x);
    EXPECT_EQ (left.back(), x);
    EXPECT_NEAR (right.back(), 0.0f, 1.0e-4f);
}

TEST (RenderLoop, StepChangeCrossFadesOnlyTheLayerThatChanges)
{
    RenderHarness h;
    h.ppq = 1.0e-9; // step 1 starts with the block
    h.setKernel (0, kernelId::bypass);
    h.setKernel (1, kernelId::bypass);
    h.fillLayer (0, 0);
    h.setStep (0, 1, 1); // layer 0: slot 0, then slot 1 in step 2
    h.setOption (GlobalOptions::emptySequenceDefault, 2.0f);

    const int samplesPerStep = 24000; // one beat at 120 bpm and 48 kHz
    auto [left, right] = h.renderConstant (samplesPerStep + 1000, x, x);
    ASSERT_EQ (h.model->transport.samplesPerStep.get(), samplesPerStep);

    const int fadeStart = samplesPerStep - 384;
    EXPECT_EQ (left[static_cast<std::size_t> (fadeStart - 1)], x);
    for (int j = 0; j < 384; ++j)
    {
        const float fadingOut = 1.0f - static_cast<float> (j + 1) / 384.0f;
        const float fadingIn = std::min (1.0f, static_cast<float> (j + 1) / 384.0f);
        ASSERT_NEAR (left[static_cast<std::size_t> (fadeStart + j)], x * fadingOut, 1.0e-5f) << j;
        ASSERT_NEAR (left[static_cast<std::size_t> (samplesPerStep + j)], x * fadingIn, 1.0e-5f) << j;
    }
    EXPECT_EQ (left.back(), x);

    // The same slot on both sides of the boundary: no ramp at all.
    RenderHarness steady;
    steady.ppq = 1.0e-9;
    steady.setKernel (0, kernelId::bypass);
    steady.fillLayer (0, 0);
    auto [steadyOut, unused] = steady.renderConstant (samplesPerStep + 1000, x, x);
    for (const float v : steadyOut)
        ASSERT_EQ (v, x);
}

TEST (RenderLoop, ParkedTransportKeepsGainsWithinRange)
{
    RenderHarness h;
    h.setKernel (0, kernelId::bypass);
    h.setKernel (1, kernelId::bypass);
    h.fillLayer (0, 0);
    h.setStep (0, 1, 1);

    // The host keeps reporting the same position: the in-step counter wraps
    // with no step change, after the fade-out of the last samples.
    for (int block = 0; block < 120; ++block)
    {
        std::vector<float> left (512, x), right (512, x);
        h.ppq = 0.5;
        h.render (left, right);
        for (const auto& gain : h.model->render.layerGain)
        {
            ASSERT_GE (gain.get(), 0.0f);
            ASSERT_LE (gain.get(), 1.0f);
        }
        for (const float v : left)
            ASSERT_LE (std::abs (v), x);
    }
}

TEST (RenderLoop, LongSilenceDecaysFromThe257thQuietSample)
{
    RenderHarness h;
    h.setOption (GlobalOptions::emptySequenceDefault, 1.0f);

    const float quiet = 0.00004f; // |left + right| stays below 0.0001
    auto [left, right] = h.renderConstant (260, quiet, quiet);
    for (std::size_t i = 0; i < 256; ++i)
        ASSERT_EQ (left[i], quiet) << i;
    EXPECT_EQ (left[256], quiet * RenderLoop::silenceDecay);
    EXPECT_EQ (left[257], quiet * RenderLoop::silenceDecay * RenderLoop::silenceDecay);
    EXPECT_EQ (right[256], quiet * RenderLoop::silenceDecay);

    auto [loud, unused] = h.renderConstant (4, x, x);
    EXPECT_EQ (loud[0], x);
}

TEST (RenderLoop, GuardMutesEitherChannelBeyondTwelveDecibels)
{
    RenderHarness h;
    h.setOption (GlobalOptions::emptySequenceDefault, 1.0f);

    std::vector<float> left{3.9f, 4.0f, -5.0f, 0.1f, -3.9f}, right{0.5f, 0.5f, 0.5f, 5.0f, -3.98f};
    h.render (left, right);
    EXPECT_EQ (left[0], 3.9f);
    EXPECT_EQ (right[0], 0.5f);
    for (std::size_t i = 1; i < 4; ++i)
    {
        EXPECT_EQ (left[i], 0.0f) << i;
        EXPECT_EQ (right[i], 0.0f) << i;
    }
    EXPECT_EQ (left[4], -3.9f); // just below the ceiling, downwards
    EXPECT_EQ (right[4], -3.98f);
}

TEST (RenderLoop, GuardMutesASampleThatOverflowsFromAFiniteInput)
{
    RenderHarness h;
    h.setOption (GlobalOptions::emptySequenceDefault, 1.0f);
    h.model->sequencer.floats.skippingWrite (SequencerState::effectGainActual, 2.0f);

    const float huge = 3.0e38f;
    std::vector<float> left{-huge, 0.1f, x}, right{-huge, huge, x};
    h.render (left, right);
    EXPECT_EQ (left[0], 0.0f); // downwards, past the largest float
    EXPECT_EQ (right[0], 0.0f);
    EXPECT_EQ (left[1], 0.0f); // the right channel overflowed
    EXPECT_EQ (right[1], 0.0f);
    EXPECT_EQ (left[2], 2.0f * x);
}

TEST (RenderLoop, OverflowedMixNeverReachesTheSmoothers)
{
    RenderHarness h;
    h.setOption (GlobalOptions::additionalSmoothing, 0.0f); // the recursive three-point mean
    for (int s = 0; s < 2; ++s)
    {
        h.fillLayer (s, s);
        h.setKernel (s, kernelId::bypass);
    }

    // Two parallel slots sum a huge sample past the largest float.
    std::vector<float> left (2000, x), right (2000, x);
    left[10] = right[10] = 3.0e38f;
    h.render (left, right);
    for (std::size_t i = 0; i < left.size(); ++i)
        ASSERT_TRUE (std::isfinite (left[i]) && std::isfinite (right[i])) << i;
    EXPECT_NEAR (left.back(), RouteMixer::gainByCount[2] * 2.0f * x, 1e-6f);
}

TEST (RenderLoop, BlockWithoutTransportOrAtSongStartIsUntouched)
{
    RenderHarness h;
    h.fillLayer (0, 0);
    h.setKernel (0, kernelId::silence);

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<float> original{0.5f, -0.25f, nan, 1.0e30f};
    auto left = original, right = original;
    EXPECT_FALSE (h.loop.process (left.data(), right.data(), 4, HostPosition{120.0, 0.0}));
    EXPECT_FALSE (h.loop.process (left.data(), right.data(), 4, std::nullopt));
    for (std::size_t i = 0; i < original.size(); ++i)
    {
        EXPECT_EQ (std::memcmp (&left[i], &original[i], sizeof (float)), 0);
        EXPECT_EQ (std::memcmp (&right[i], &original[i], sizeof (float)), 0);
    }
}

TEST (RenderLoop, StepValuesOutsideTheSlotsSoundAsEmptySteps)
{
    RenderHarness h;
    h.setOption (GlobalOptions::emptySequenceDefault, 2.0f);
    h.setStep (0, 0, -3);
    h.setStep (1, 0, 6);
    h.setStep (2, 0, std::numeric_limits<std::int32_t>::lowest());
    h.setStep (3, 0, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ (steadyLeft (h), 0.0f);
    EXPECT_EQ (h.model->render.slotsProcessed.get(), 0u);
}

TEST (RenderLoop, RouteTypeBelowZeroIsParallel)
{
    RenderHarness h;
    h.fillLayer (0, 0);
    h.fillLayer (1, 1);
    h.setKernel (0, kernelId::bypass);
    h.setKernel (1, kernelId::bypass);
    h.model->setRouteType (0, -1);
    h.model->setRouteType (1, 7); // past chain C: chain C
    EXPECT_FALSE (h.model->routeMixers[0].isSeries (0));
    EXPECT_EQ (h.model->routeMixers[0].seriesGroup (1), 2);
    EXPECT_EQ (steadyLeft (h), (x + x) * 0.7071f);
}

TEST (RenderLoop, NotANumberInputStaysInTheDryPathOnly)
{
    RenderHarness h;
    h.fillLayer (0, 0);
    h.setKernel (0, kernelId::silence);
    h.model->sequencer.floats.skippingWrite (SequencerState::effectMix, 0.5f);

    const float nan = std::numeric_limits<float>::quiet_NaN();
    std::vector<float> left (8, nan), right (8, x);
    h.render (left, right);
    EXPECT_TRUE (std::isnan (left[7]));
    EXPECT_EQ (right[7], 0.5f * x);
}

TEST (RenderLoop, ExtraSmoothingRunsUnlessOptionIsNone)
{
    RenderHarness h;
    h.setOption (GlobalOptions::emptySequenceDefault, 1.0f);
    h.setOption (GlobalOptions::additionalSmoothing, 3.0f);
    h.renderConstant (4, x, x);
    EXPECT_EQ (h.model->smoothers[0].getMode(), 3);
    EXPECT_EQ (h.model->smoothers[1].getMode(), 3);

    h.setOption (GlobalOptions::additionalSmoothing, 1.0f);
    auto [left, right] = h.renderConstant (4, x, x);
    EXPECT_EQ (left[0], x);
}

// Slot 0 parallel and slot 1 in series chain A run each kernel in turn with
// the filter defaults, their LFOs running and the envelope sweeping Fc, while
// every 1/8 step swaps the slots between layers 0 and 1: on noise, no output
// sample of either channel leaves the +12 dB ceiling at any rate.
TEST (RenderLoop, EveryKernelStaysWithinTheCeilingAtEveryRate)
{
    for (const double rate : {44100.0, 48000.0, 96000.0, 192000.0})
    {
        RenderHarness h (rate);
        h.tempo = 480.0; // a 1/8 step every 62.5 ms
        h.model->setPatternSpeed (2);
        h.model->setRouteType (1, 1);
        for (int s = 0; s < 2; ++s)
        {
            for (const auto& [k, v] : {std::pair{kernelParam::fc, 3000.0f},
                                       {kernelParam::fmin, 0.1f},
                                       {kernelParam::q, 1.414f},
                                       {kernelParam::drive, 0.52f},
                                       {kernelParam::mix, 1.0f}})
                h.setParam (s, k, v);
            h.model->rebuildEnvelope (s);
            h.model->envelope (s).destination.waitingWrite (0, EnvelopeSettings::param1Destination);
            h.model->envelope (s).switches.waitingWrite (EnvelopeSettings::envelopeOn, 1.0f);
        }
        for (int step = 0; step < numSteps; ++step)
        {
            h.setStep (0, step, step % 2);
            h.setStep (1, step, 1 - step % 2);
        }

        std::uint32_t seed = 1;
        const auto noise = [&seed]
        {
            seed = seed * 1664525u + 1013904223u;
            return static_cast<float> (seed >> 8) / 16777216.0f - 0.5f;
        };
        std::vector<float> left (4096), right (4096);
        for (int kernel = 0; kernel < numKernels; ++kernel)
        {
            h.setKernel (0, kernel);
            h.setKernel (1, kernel);
            for (std::size_t i = 0; i < left.size(); ++i)
                left[i] = noise(), right[i] = noise();
            h.render (left, right);
            for (std::size_t i = 0; i < left.size(); ++i)
                ASSERT_TRUE (std::abs (left[i]) <= RenderLoop::outputCeiling &&
                             std::abs (right[i]) <= RenderLoop::outputCeiling)
                    << rate << " " << kernelNameOfId (kernel) << " " << left[i] << " " << right[i];
        }
    }
}
