#include "engine/StepClock.h"
#include "tests/engine/ModelFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace gatevox;

namespace
{
struct ClockRig
{
    explicit ClockRig (double sampleRate = 48000.0) { model->prepareToPlay (sampleRate); }

    void setSpeed (int speed)
    {
        static constexpr float lengths[] = {2.0f, 1.0f, 0.5f};
        static constexpr double perBeat[] = {0.5, 1.0, 2.0};
        model->sequencer.ints.skippingWrite (SequencerState::patternSpeed, speed);
        model->transport.stepLengthBeats = lengths[speed];
        model->transport.stepsPerBeat = perBeat[speed];
    }

    // One block start and the head of its first sample at a host position.
    void at (double ppq, double bpm = 120.0)
    {
        ASSERT_TRUE (clock.blockStart (HostPosition{bpm, ppq}));
        clock.sampleHead();
    }

    [[nodiscard]] int step() const { return model->transport.step; }
    [[nodiscard]] int playPattern() const { return model->transport.playPattern; }

    std::unique_ptr<ProcessorModel> model = makeModel();
    StepClock clock{*model};
};
} // namespace

TEST (StepClock, StepLengthFollowsTempoSpeedAndSampleRate)
{
    struct Case
    {
        double rate;
        double bpm;
        int speed;
        int samplesPerStep;
        int envelopePeriod;
    };
    const Case cases[] = {
        {48000, 120, 1, 24000, 96000}, {48000, 120, 2, 12000, 96000}, {48000, 120, 0, 48000, 96000},
        {44100, 120, 1, 22050, 88200}, {96000, 90, 1, 64000, 256000}, {200000, 120, 1, 24000, 96000},
    };
    for (const auto& c : cases)
    {
        ClockRig rig (c.rate);
        rig.setSpeed (c.speed);
        rig.at (1.5, c.bpm);
        EXPECT_EQ (rig.model->transport.samplesPerStep.get(), c.samplesPerStep) << c.rate << " " << c.bpm;
        EXPECT_EQ (rig.model->transport.envelopePeriod.get(), c.envelopePeriod);
        EXPECT_DOUBLE_EQ (rig.model->transport.ppqPerSample.get(),
                          c.bpm / (60.0 * (c.rate > 192000 ? 48000.0 : c.rate)));
    }
}

TEST (StepClock, PositionGivesStepAndPattern)
{
    ClockRig rig;
    rig.model->sequencer.ints.skippingWrite (SequencerState::patternCount, 2);
    rig.at (37.5);
    EXPECT_EQ (rig.step(), 6);
    EXPECT_EQ (rig.playPattern(), 2);
    EXPECT_EQ (rig.model->sequencer.ints.read (SequencerState::seqPosition), 6);

    rig.setSpeed (2); // eighths: x = 75
    rig.at (37.5);
    EXPECT_EQ (rig.step(), 12);
    EXPECT_EQ (rig.playPattern(), 1); // trunc (75 / 16) = 4, 4 mod 3

    rig.setSpeed (0); // half notes: x = 18
    rig.at (37.5);
    EXPECT_EQ (rig.step(), 3);
    EXPECT_EQ (rig.playPattern(), 1);
}

TEST (StepClock, PatternsCycleEverySixteenSteps)
{
    ClockRig rig;
    rig.model->sequencer.ints.skippingWrite (SequencerState::patternCount, 3);
    const int expected[] = {0, 1, 2, 3, 0, 1};
    for (int n = 0; n < 6; ++n)
    {
        rig.at (16.0 * n + 0.25);
        EXPECT_EQ (rig.playPattern(), expected[n]) << n;
        EXPECT_EQ (rig.step(), 1);
    }

    rig.model->sequencer.ints.skippingWrite (SequencerState::patternCount, 0);
    rig.at (16.0 * 7 + 3.0);
    EXPECT_EQ (rig.playPattern(), 0);
}

TEST (StepClock, PatternCountOutsideItsRangeNeverLeavesTheGrid)
{
    ClockRig rig;
    for (const std::int32_t count :
         {16, 99, -1, -5, std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::lowest()})
    {
        rig.model->sequencer.ints.skippingWrite (SequencerState::patternCount, count);
        for (const double ppq : {0.5, 100.0, 256.5, 271.0, 1.0e6})
        {
            rig.at (ppq);
            EXPECT_GE (rig.playPattern(), 0);
            EXPECT_LE (rig.playPattern(), 15) << count << " " << ppq;
        }
    }
    ClockRig forward; // a backwards jump would send the pattern to 0
    forward.model->sequencer.ints.skippingWrite (SequencerState::patternCount, 16);
    forward.at (16.0 * 16 + 0.5); // pattern 16 of 17 is clamped to the last one
    EXPECT_EQ (forward.playPattern(), 15);
}

TEST (StepClock, StepChangeRestartsTheInStepCounterAndStepOneTheEnvelope)
{
    ClockRig rig;
    rig.at (2.0);
    auto& t = rig.model->transport;
    for (int i = 0; i < 100; ++i)
    {
        rig.clock.sampleTail();
        rig.clock.sampleHead();
    }
    EXPECT_EQ (t.sampleInStep.get(), 100);
    EXPECT_EQ (t.envelopeClock.get(), 100);
    EXPECT_EQ (t.stepIsOne.get(), 0);
    EXPECT_NEAR (t.ppqPos.get(), 2.0 + 100 * 120.0 / (60.0 * 48000.0), 1e-12);

    rig.clock.sampleTail();
    rig.at (3.0); // step 4
    EXPECT_EQ (t.sampleInStep.get(), 0);
    EXPECT_EQ (t.envelopeClock.get(), 101);

    rig.clock.sampleTail();
    rig.at (16.0); // step 1 of the next pattern
    EXPECT_EQ (rig.step(), 1);
    EXPECT_EQ (t.stepIsOne.get(), 1);
    EXPECT_EQ (t.envelopeClock.get(), 0);
    EXPECT_EQ (t.anchorPpq.get(), 16.0);
}

TEST (StepClock, CountersWrapAtStepLengthAndEnvelopePeriod)
{
    ClockRig rig;
    rig.at (2.0);
    auto& t = rig.model->transport;
    t.sampleInStep = 23999;
    t.envelopeClock = 95999;
    rig.clock.sampleTail();
    EXPECT_EQ (t.sampleInStep.get(), 0);
    EXPECT_EQ (t.envelopeClock.get(), 0);
    EXPECT_EQ (t.previousStep.get(), 3);
}

TEST (StepClock, BackwardsJumpBelowOneQuarterRestartsEveryLfo)
{
    ClockRig rig;
    rig.model->sequencer.ints.skippingWrite (SequencerState::patternCount, 3);
    rig.at (20.0);
    for (int s = 0; s < numSlots; ++s)
    {
        rig.model->slot (s).ints.waitingWrite (SlotSettings::position, 1000 + s);
        rig.model->slot (s).nextPosition = 1000 + s;
    }
    rig.model->transport.envelopeClock = 500;
    rig.clock.sampleTail();
    rig.at (0.5);
    for (int s = 0; s < numSlots; ++s)
    {
        EXPECT_EQ (rig.model->slot (s).ints.read (SlotSettings::position), 0);
        EXPECT_EQ (rig.model->slot (s).nextPosition.get(), 0);
    }
    EXPECT_EQ (rig.model->transport.envelopeClock.get(), 0);
    EXPECT_EQ (rig.playPattern(), 0);
}

TEST (StepClock, BackwardsJumpFurtherOnRescalesFromTheFirstSlot)
{
    ClockRig rig;
    rig.at (20.0);
    rig.model->slot (0).ints.waitingWrite (SlotSettings::position, 10000);
    rig.model->slot (3).ints.waitingWrite (SlotSettings::position, 77);
    rig.clock.sampleTail();
    rig.at (10.0);
    for (int s = 0; s < numSlots; ++s)
    {
        EXPECT_EQ (rig.model->slot (s).ints.read (SlotSettings::position), 5000);
        EXPECT_EQ (rig.model->slot (s).nextPosition.get(), 5000);
    }
    EXPECT_EQ (rig.model->transport.anchorPpq.get(), 10.0);

    // The scaled position is reduced modulo the sample rate.
    rig.at (30.0);
    rig.model->slot (0).ints.waitingWrite (SlotSettings::position, 200000);
    rig.at (20.0);
    EXPECT_EQ (rig.model->slot (2).ints.read (SlotSettings::position), 133333 % 48000);
}

TEST (StepClock, AnchorMovesOnStepChangesAndEveryFourBeats)
{
    ClockRig rig;
    rig.setSpeed (0); // two-beat steps
    rig.at (2.0);
    EXPECT_EQ (rig.model->transport.anchorPpq.get(), 2.0);
    rig.clock.sampleTail();
    rig.at (3.9); // same step: anchor stays
    EXPECT_EQ (rig.model->transport.anchorPpq.get(), 2.0);
}

TEST (StepClock, TempoChangeRescalesLfoRatesAndStepLength)
{
    ClockRig rig;
    rig.at (1.0, 120.0);
    EXPECT_EQ (rig.model->transport.samplesPerStep.get(), 24000);
    rig.at (1.0, 60.0);
    EXPECT_EQ (rig.model->transport.tempo.get(), 60.0f);
    EXPECT_EQ (rig.model->transport.samplesPerStep.get(), 48000);
    for (int s = 0; s < numSlots; ++s)
    {
        EXPECT_FLOAT_EQ (rig.model->slot (s).floats.read (SlotSettings::lfoRate), 0.2f);
        EXPECT_FLOAT_EQ (rig.model->slot (s).floats.read (SlotSettings::lfoFrequency), 8.0f);
    }
    EXPECT_FLOAT_EQ (rig.model->slot (5).floats.read (SlotSettings::lfoRate), 0.4f);
}

TEST (StepClock, BadTempoKeepsTheLastValidOne)
{
    ClockRig rig;
    rig.at (1.0, 90.0);
    for (const double bad : {0.0, -120.0, std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()})
    {
        rig.at (1.0, bad);
        EXPECT_EQ (rig.model->transport.tempo.get(), 90.0f) << bad;
        EXPECT_EQ (rig.model->transport.samplesPerStep.get(), 32000);
        EXPECT_DOUBLE_EQ (rig.model->transport.ppqPerSample.get(), 90.0 / (60.0 * 48000.0));
        EXPECT_FLOAT_EQ (rig.model->slot (0).floats.read (SlotSettings::lfoRate), 0.3f);
    }

    // Extreme but valid tempos are brought into range; nothing overflows.
    rig.at (1.0, 1.0e-300);
    EXPECT_EQ (rig.model->transport.tempo.get(), static_cast<float> (StepClock::lowestTempo));
    EXPECT_GT (rig.model->transport.samplesPerStep.get(), 0);
    rig.at (1.0, 1.0e300);
    EXPECT_EQ (rig.model->transport.tempo.get(), static_cast<float> (StepClock::highestTempo));
    EXPECT_TRUE (std::isfinite (rig.model->slot (0).floats.read (SlotSettings::lfoRate)));
    rig.clock.sampleTail();
    rig.clock.sampleHead();
}

TEST (StepClock, BlocksLeftUntouchedAtPositionZeroOrWithoutPlayHead)
{
    ClockRig rig;
    rig.at (5.0);
    EXPECT_FALSE (rig.clock.blockStart (HostPosition{120.0, 0.0}));
    EXPECT_EQ (rig.model->transport.ppqPos.get(), 0.0);
    EXPECT_FALSE (rig.clock.blockStart (std::nullopt));
    EXPECT_FALSE (rig.clock.blockStart (HostPosition{120.0, std::numeric_limits<double>::quiet_NaN()}));
    EXPECT_FALSE (rig.clock.blockStart (HostPosition{120.0, std::numeric_limits<double>::infinity()}));
    EXPECT_EQ (rig.model->transport.ppqPos.get(), 0.0);
}

TEST (StepClock, NegativeAndHugePositionsStayInRange)
{
    ClockRig rig;
    rig.at (-3.0);
    EXPECT_EQ (rig.model->transport.ppqPos.get(), 0.0);
    EXPECT_EQ (rig.step(), 1);
    for (const double ppq : {1.0e9, 1.0e12, 1.0e30, 1.0e300})
    {
        rig.setSpeed (2);
        rig.at (ppq);
        EXPECT_GE (rig.step(), 1);
        EXPECT_LE (rig.step(), 16);
        EXPECT_GE (rig.playPattern(), 0);
        EXPECT_LE (rig.playPattern(), 15);
    }
}
