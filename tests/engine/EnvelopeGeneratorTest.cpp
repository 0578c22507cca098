#include "modulation/EnvelopeGenerator.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <limits>
#include <thread>

using namespace gatevox;

namespace
{
constexpr std::int32_t processorPoints = 96000;
RenderEpoch epoch;

// The curve value before the build's 0.999 / 0.001 smoothing.
float unsmoothed (const EnvelopeGenerator& generator, int g, int j)
{
    return (generator.point (g, j) - 0.001f * generator.point (g, j - 1)) / 0.999f;
}
} // namespace

TEST (EnvelopeGenerator, BuildsCarryTheRegisterFromSegmentToSegment)
{
    EnvelopeGenerator generator (processorPoints, epoch);
    ASSERT_TRUE (generator.isActive());
    const int last = processorPoints - 1;

    // The default segments, built in order, each starting from the one before.
    EXPECT_EQ (generator.point (0, 0), 0.0f);
    EXPECT_NEAR (unsmoothed (generator, 0, 48000), 0.125f + 0.75f * 0.5f, 1e-3f);
    // The single-precision sum of 1/N drifts a little past 1 towards the end.
    EXPECT_NEAR (generator.point (3, last), 0.0f, 3e-3f);
    for (int g = 1; g < 4; ++g)
        EXPECT_FLOAT_EQ (generator.point (g, 0), 0.999f + 0.001f * generator.point (g - 1, last)) << g;

    // Segment numbers outside 0-3 build nothing and leave the register alone.
    const float carried = generator.point (3, last);
    generator.buildSegment (4, 9.0f, 9.0f, 9.0f);
    generator.buildSegment (-1, 9.0f, 9.0f, 9.0f);
    generator.buildSegment (0, 0.5f, 0.0f, 0.0f);
    EXPECT_FLOAT_EQ (generator.point (0, 0), 0.999f * 0.5f + 0.001f * carried);
}

TEST (EnvelopeGenerator, KnobsThatWouldOverflowNeverReachTheBuildRegister)
{
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    constexpr float inf = std::numeric_limits<float>::infinity();
    EnvelopeGenerator generator (1024, epoch);
    const auto finite = [&generator] (int g)
    {
        for (int j = 0; j < 1024; ++j)
            if (!std::isfinite (generator.point (g, j)))
                return false;
        return true;
    };

    // A shape of 3e38 overflows 1.25 x y; a knob that is not a number acts as 0.
    generator.buildSegment (0, 0.0f, 3.0e38f, 0.0f);
    EXPECT_TRUE (finite (0));
    generator.buildSegment (1, -inf, inf, 3.0e38f);
    EXPECT_TRUE (finite (1));
    generator.buildSegment (2, nan, nan, nan);
    EXPECT_TRUE (finite (2));
    EXPECT_EQ (generator.point (2, 0), 0.001f * generator.point (1, 1023));

    // The next good build starts from a finite register.
    generator.buildSegment (3, 1.0f, 0.5f, 0.0f);
    EXPECT_TRUE (finite (3));
    EXPECT_FLOAT_EQ (generator.point (3, 0), 0.999f + 0.001f * generator.point (2, 1023));
}

TEST (EnvelopeGenerator, FlatKnobsStillBendTheCurve)
{
    // With 1024 points t advances in exact steps and reaches the quarters.
    EnvelopeGenerator generator (1024, epoch);
    generator.buildSegment (2, 1.0f, 1.0f, 1.0f);
    EXPECT_NEAR (unsmoothed (generator, 2, 256), 1.0703125f, 1e-5f);
    EXPECT_NEAR (unsmoothed (generator, 2, 512), 1.0f, 1e-5f);
    EXPECT_NEAR (unsmoothed (generator, 2, 768), 0.9296875f, 1e-5f);
}

TEST (EnvelopeGenerator, ClockAndPeriodGiveTheTableIndex)
{
    EnvelopeGenerator generator (processorPoints, epoch);
    const auto indexFor = [&generator] (int clock, float period)
    {
        (void)generator.envelopeValue (0, clock, period);
        return generator.lastReadIndex();
    };

    EXPECT_EQ (indexFor (0, 96000.0f), 0);
    EXPECT_EQ (indexFor (2, 96000.0f), 1);
    EXPECT_EQ (indexFor (48000, 96000.0f), 47999);
    EXPECT_EQ (indexFor (24000, 48000.0f), 47999);

    // Short periods are raised to 1024 samples and reach only part of the table.
    EXPECT_EQ (indexFor (499, 500.0f), 46780);
    EXPECT_EQ (indexFor (499, 0.0f), 46780);

    // Long periods advance one point per sample and then hold the last one.
    EXPECT_EQ (indexFor (50000, 200000.0f), 49999);
    EXPECT_EQ (indexFor (150000, 200000.0f), processorPoints - 1);

    // The editor's small generator: every period counts as 1024 samples.
    EnvelopeGenerator preview (90, epoch);
    (void)preview.envelopeValue (3, 512, 96000.0f);
    EXPECT_EQ (preview.lastReadIndex(), 44);
}

TEST (EnvelopeGenerator, BadClocksAndPeriodsStayInsideTheTable)
{
    EnvelopeGenerator generator (processorPoints, epoch);
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    constexpr float inf = std::numeric_limits<float>::infinity();
    constexpr int maxClock = std::numeric_limits<int>::max();
    constexpr int minClock = std::numeric_limits<int>::lowest();

    struct Case
    {
        int clock;
        float period;
        std::int32_t index;
    };
    const Case cases[] = {
        {-1, 96000.0f, 0},   {minClock, 96000.0f, 0}, {maxClock, 96000.0f, 95999}, {1000, nan, 0}, {maxClock, nan, 0},
        {1000, -inf, 93749}, {1000, inf, 999},        {maxClock, 1.0e30f, 95999},
    };
    for (const auto& c : cases)
    {
        const float v = generator.envelopeValue (1, c.clock, c.period);
        EXPECT_EQ (generator.lastReadIndex(), c.index) << c.clock << " " << c.period;
        EXPECT_TRUE (std::isfinite (v));
    }

    EnvelopeGenerator empty (0, epoch);
    EXPECT_FALSE (empty.isActive());
    empty.buildSegment (0, 1.0f, 1.0f, 1.0f);
    EXPECT_EQ (empty.envelopeValue (0, 10, 96000.0f), 0.0f);
    EXPECT_EQ (empty.point (0, 0), 0.0f);
}

TEST (EnvelopeGenerator, ReadSmoothsWithTheLastValueOfTheSameSegment)
{
    EnvelopeGenerator generator (1024, epoch);
    const float a = generator.point (0, 511);
    const float b = generator.point (1, 511);

    EXPECT_FLOAT_EQ (generator.envelopeValue (0, 512, 1024.0f), 0.999f * a);
    EXPECT_FLOAT_EQ (generator.envelopeValue (1, 512, 1024.0f), 0.999f * b);
    EXPECT_FLOAT_EQ (generator.envelopeValue (0, 512, 1024.0f), 0.999f * a + 0.001f * a);

    const float c = generator.point (0, 99);
    EXPECT_FLOAT_EQ (generator.envelopeValue (0, 100, 1024.0f), 0.999f * c + 0.001f * a);

    for (const int g : {4, 5, -1})
        EXPECT_EQ (generator.envelopeValue (g, 512, 1024.0f), 0.0f) << g;
}

TEST (EnvelopeGenerator, ReadsDuringRebuildsSeeOldOrNewPoints)
{
    constexpr std::int32_t points = 4096;
    EnvelopeGenerator generator (points, epoch);
    generator.buildSegment (2, 0.0f, 0.0f, 0.0f);

    // Both curves stay within 0 and 1.08, whatever mix of points a read sees.
    std::atomic<bool> done{false};
    std::thread builder (
        [&]
        {
            for (int n = 0; n < 200; ++n)
            {
                const float level = n % 2 == 0 ? 1.0f : 0.0f;
                generator.buildSegment (2, level, level, level);
            }
            done = true;
        });

    int reads = 0;
    bool inRange = true;
    while (!done || reads < 10000)
    {
        const RenderEpoch::BlockScope block (epoch);
        const float v = generator.envelopeValue (2, reads % points, static_cast<float> (points));
        inRange = inRange && v >= 0.0f && v <= 1.08f;
        ++reads;
    }
    builder.join();
    EXPECT_TRUE (inRange);
}
