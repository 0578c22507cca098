#include "tests/engine/ModelFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <thread>

using namespace gatevox;

namespace
{
void expectBlank (ProcessorModel& m)
{
    for (int p = 0; p < numPatterns; ++p)
        for (int l = 0; l < numLayers; ++l)
            for (int s = 0; s < numSteps; ++s)
            {
                ASSERT_EQ (m.steps.read (p, l, s), emptyStep);
                ASSERT_EQ (m.stepMirror.read (l, p, s), emptyStep);
            }

    const auto& seq = m.sequencer;
    EXPECT_EQ (seq.ints.read (SequencerState::pattern), 0);
    EXPECT_EQ (seq.ints.read (SequencerState::patternCount), 0);
    EXPECT_EQ (seq.ints.read (SequencerState::patternSpeed), 1);
    EXPECT_EQ (seq.ints.read (SequencerState::playPattern), 0);
    EXPECT_EQ (seq.ints.read (SequencerState::layer), 0);
    EXPECT_EQ (seq.ints.read (SequencerState::selectedEffect), 0);
    EXPECT_FLOAT_EQ (seq.floats.read (SequencerState::effectGain), 0.5625f);
    EXPECT_FLOAT_EQ (seq.floats.read (SequencerState::effectGainActual), std::pow (10.0f, 0.15f));
    EXPECT_FLOAT_EQ (seq.floats.read (SequencerState::effectMix), 1.0f);
    EXPECT_EQ (m.transport.stepLengthBeats.get(), 1.0f);
    EXPECT_EQ (m.transport.stepsPerBeat.get(), 1.0);

    for (int s = 0; s < numSlotRecords; ++s)
    {
        const auto& slot = m.slot (s);
        EXPECT_EQ (slot.ints.read (SlotSettings::routeType), 0);
        EXPECT_EQ (slot.ints.read (SlotSettings::kernelId), 0);
        EXPECT_EQ (slot.ints.read (SlotSettings::position), 0);
        EXPECT_EQ (slot.ints.read (SlotSettings::reservedInt7), 2);
        EXPECT_EQ (slot.ints.read (SlotSettings::retrigger), 1);
        EXPECT_EQ (slot.ints.read (SlotSettings::snapInterval), 4);
        for (std::size_t k = 0; k < SlotSettings::numKnobs; ++k)
        {
            EXPECT_EQ (slot.ints.read (SlotSettings::paramSelect1 + k), 1);
            EXPECT_FLOAT_EQ (slot.floats.read (SlotSettings::paramSelectNormalised1 + k), 0.1f);
            EXPECT_EQ (slot.floats.read (SlotSettings::knobValue1 + k), 0.0f);
        }
        EXPECT_FLOAT_EQ (slot.floats.read (SlotSettings::dutyCycle), 0.5f);
        EXPECT_FLOAT_EQ (slot.floats.read (SlotSettings::barsPerSecond), 120.0f / 60.0f * 0.25f);
        EXPECT_FLOAT_EQ (slot.floats.read (SlotSettings::lfoRate), 0.4f);
        EXPECT_FLOAT_EQ (slot.floats.read (SlotSettings::lfoFrequency), 8.0f);
        EXPECT_FLOAT_EQ (slot.floats.read (SlotSettings::gain), 1.0f);
        EXPECT_FLOAT_EQ (slot.floats.read (SlotSettings::pan), 0.5f);
        EXPECT_FLOAT_EQ (slot.floats.read (SlotSettings::freqSnapNormalised), 1.0f);
        EXPECT_FLOAT_EQ (slot.floats.read (SlotSettings::snapIntervalNormalised), 0.6f);
        EXPECT_EQ (slot.nextPosition.get(), 0);
        EXPECT_EQ (slot.kernelRefreshCount.load(), 0);

        auto& params = m.kernelParams (s);
        for (std::size_t k = 0; k < kernelParamArraySize; ++k)
        {
            EXPECT_EQ (params.value.read (k), 0.0f);
            EXPECT_EQ (params.minimum.read (k), 0.0f);
            EXPECT_EQ (params.maximum.read (k), 0.0f);
            EXPECT_EQ (params.factor.read (k), 1.0f);
        }
    }

    for (int s = 0; s < numSlots; ++s)
    {
        const auto& env = m.envelope (s);
        const float knobs[] = {0, 0.2f, 1, 1, 0.7f, 1, 1, 0.7f, 1, 1, 0.5f, 0};
        for (std::size_t k = 0; k < EnvelopeSettings::knobCount; ++k)
            EXPECT_FLOAT_EQ (env.knobs.read (k), knobs[k]);
        EXPECT_EQ (env.switches.read (EnvelopeSettings::envelopeOn), 0.0f);
        EXPECT_FLOAT_EQ (env.switches.read (EnvelopeSettings::destinationNormalised), 2.0f / 7.0f);
    }

    for (int l = 0; l < numLayers; ++l)
    {
        EXPECT_EQ (m.render.layerGain[static_cast<std::size_t> (l)].get(), 1.0f);
        EXPECT_EQ (m.render.gainIncrement[static_cast<std::size_t> (l)].get(), 0.0f);
        EXPECT_EQ (m.render.lastSlotPerLayer[static_cast<std::size_t> (l)].get(), 0);
    }
    EXPECT_EQ (m.transport.anchorPpq.get(), 0.0);
    EXPECT_EQ (m.transport.previousStep.get(), 0);
}
} // namespace

TEST (ProcessorModel, FreshModelIsBlank)
{
    auto m = makeModel();
    EXPECT_EQ (m->initialised.load(), 1);
    EXPECT_EQ (m->transport.tempo.get(), 120.0f);
    EXPECT_EQ (m->transport.sampleRateInt.get(), 48000);
    EXPECT_EQ (m->transport.step.get(), 1);
    EXPECT_EQ (m->render.crossfadeLength.get(), 384);
    EXPECT_EQ (m->envelope (0).destination.read (0), 0);
    for (std::size_t o = 0; o < GlobalOptions::optionCount; ++o)
        EXPECT_EQ (m->globalOptions.read (static_cast<GlobalOptions::Option> (o)), 0);
    expectBlank (*m);

    // No user wave file: eight silent waves.
    ASSERT_EQ (m->userWaves.count(), numUserWaves);
    for (int w = 0; w < numUserWaves; ++w)
        for (std::size_t i = 0; i < userWavePoints; ++i)
            ASSERT_EQ (m->userWaves.wave (w).read (i), 0.0);
}

TEST (ProcessorModel, ResetClearsEverythingThatWasSet)
{
    auto m = makeModel();
    m->writeStep (3, 2, 7, 1);
    m->sequencer.ints.skippingWrite (SequencerState::patternCount, 9);
    m->sequencer.ints.skippingWrite (SequencerState::patternSpeed, 2);
    m->sequencer.floats.skippingWrite (SequencerState::effectMix, 0.25f);
    m->transport.stepLengthBeats = 0.5f;
    m->transport.stepsPerBeat = 2.0;
    m->transport.anchorPpq = 33.0;
    m->render.layerGain[2] = 0.3f;
    m->render.lastSlotPerLayer[1] = 4;
    for (int s = 0; s < numSlotRecords; ++s)
    {
        m->slot (s).ints.waitingWrite (SlotSettings::kernelId, 17);
        m->slot (s).ints.waitingWrite (SlotSettings::routeType, 3);
        m->slot (s).floats.waitingWrite (SlotSettings::gain, 0.1f);
        m->slot (s).nextPosition = 999;
        m->slot (s).kernelRefreshCount = 3;
        m->kernelParams (s).value.drainingRelease (5, 0.7f);
        m->kernelParams (s).factor.drainingRelease (5, 0.2f);
        m->envelope (s).knobs.drainingRelease (4, 0.0f);
        m->envelope (s).switches.waitingWrite (EnvelopeSettings::envelopeOn, 1.0f);
    }
    m->transport.tempo = std::numeric_limits<float>::quiet_NaN();

    m->reset();
    expectBlank (*m);
    EXPECT_EQ (m->transport.tempo.get(), 120.0f);
}

TEST (ProcessorModel, ResetKeepsTheFieldsItDoesNotOwn)
{
    auto m = makeModel();
    auto& slot = m->slot (1);
    slot.ints.waitingWrite (SlotSettings::snapOn, 1);
    slot.floats.waitingWrite (SlotSettings::floor, 0.25f);
    m->envelope (1).destination.waitingWrite (0, 6);
    m->sequencer.ints.skippingWrite (SequencerState::seqPosition, 9);
    m->transport.tempo = 90.0f;

    m->reset();
    EXPECT_EQ (slot.ints.read (SlotSettings::snapOn), 1);
    EXPECT_EQ (slot.floats.read (SlotSettings::floor), 0.25f);
    EXPECT_EQ (m->envelope (1).destination.read (0), 6);
    EXPECT_EQ (m->sequencer.ints.read (SequencerState::seqPosition), 9);
    EXPECT_FLOAT_EQ (slot.floats.read (SlotSettings::barsPerSecond), 90.0f / 60.0f * 0.25f);
}

TEST (ProcessorModel, PrepareToPlayTakesValidRatesAndReplacesOthersWith48k)
{
    auto m = makeModel();
    struct Case
    {
        double host;
        std::int32_t used;
    };
    const Case cases[] = {{44100.0, 44100},
                          {96000.7, 96000},
                          {192000.0, 192000},
                          {200000.0, 48000},
                          {0.0, 48000},
                          {0.5, 48000},
                          {-44100.0, 48000},
                          {1.0, 1},
                          {std::numeric_limits<double>::quiet_NaN(), 48000},
                          {std::numeric_limits<double>::infinity(), 48000}};
    for (const auto& c : cases)
    {
        m->prepareToPlay (c.host);
        EXPECT_EQ (m->transport.sampleRateInt.get(), c.used) << c.host;
        EXPECT_EQ (m->transport.sampleRateFloat.get(), static_cast<float> (c.used));
    }
    m->prepareToPlay (200000.0);
    EXPECT_EQ (m->transport.hostSampleRate.get(), 200000.0); // what the state file stores
}

TEST (ProcessorModel, PrepareToPlayRestoresTransitionsAndFactors)
{
    auto m = makeModel();
    m->render.layerGain[0] = 0.2f;
    m->render.gainIncrement[3] = -0.01f;
    m->render.transitionFlag = 1;
    m->render.crossfadeLength = 9;
    m->render.lastOutput[0] = 0.5f;
    m->transport.step = 7;
    m->kernelParams (2).factor.drainingRelease (3, 0.4f);
    m->steps.write (0, 0, 0, 2);

    m->prepareToPlay (44100.0);
    EXPECT_EQ (m->render.layerGain[0].get(), 1.0f);
    EXPECT_EQ (m->render.gainIncrement[3].get(), 0.0f);
    EXPECT_EQ (m->render.transitionFlag.get(), 0);
    EXPECT_EQ (m->render.crossfadeLength.get(), 384);
    EXPECT_EQ (m->render.lastOutput[0].get(), 0.0f);
    EXPECT_EQ (m->transport.step.get(), 1);
    EXPECT_EQ (m->kernelParams (2).factor.read (3), 1.0f);
    EXPECT_EQ (m->steps.read (0, 0, 0), 2); // an initialised model is not reset again
}

TEST (ProcessorModel, IndicesOutsideTheGridAreClamped)
{
    auto m = makeModel();
    m->steps.write (99, -3, 40, 2);
    EXPECT_EQ (m->steps.read (15, 0, 15), 2);
    m->stepMirror.write (-1, 16, 16, 3);
    EXPECT_EQ (m->stepMirror.read (0, 15, 15), 3);
    EXPECT_EQ (&m->slot (9), &m->slot (5));
    EXPECT_EQ (&m->kernelParams (-2), &m->kernelParams (0));
    EXPECT_EQ (ProcessorModel::segmentOfStep (1), 0);
    EXPECT_EQ (ProcessorModel::segmentOfStep (8), 1);
    EXPECT_EQ (ProcessorModel::segmentOfStep (16), 3);
    EXPECT_EQ (ProcessorModel::segmentOfStep (40), 3);
}

TEST (ProcessorModel, ResetOnAnotherThreadWhileTheClockReadsStaysConsistent)
{
    auto m = makeModel();
    std::atomic<bool> stop{false};
    std::thread reader (
        [&]
        {
            while (!stop.load())
            {
                const auto v = m->stepMirror.read (1, 2, 3);
                ASSERT_TRUE (v == emptyStep || v == 4);
                ASSERT_GE (m->sequencer.ints.read (SequencerState::patternSpeed), 0);
            }
        });
    for (int i = 0; i < 50; ++i)
    {
        m->stepMirror.write (1, 2, 3, 4);
        m->reset();
    }
    stop = true;
    reader.join();
}
