#include "modulation/LfoWaveTable.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <limits>
#include <memory>
#include <thread>
#include <vector>

using namespace gatevox;

namespace
{
constexpr int N = LfoWaveTable::tablePoints;

struct Lfo : ::testing::Test
{
    UserWaveStore store;
    RenderEpoch epoch;
    std::unique_ptr<LfoWaveTable> table = std::make_unique<LfoWaveTable> (store, epoch);

    void build (int number, double duty, double floor = 0.0)
    {
        table->setWaveformNumber (number);
        table->setFloor (floor);
        table->generate (number, duty, floor);
        table->expand();
    }

    [[nodiscard]] double base (int i) const { return table->basePoint (i); }

    [[nodiscard]] std::vector<float> entries() const
    {
        std::vector<float> all (N);
        for (int i = 0; i < N; ++i)
            all[static_cast<std::size_t> (i)] = table->entry (i);
        return all;
    }

    // Appends waves whose points all hold (store index + 1) / 16.
    void addConstantWaves (int count)
    {
        for (int k = 0; k < count; ++k)
        {
            UserWavePoints points;
            points.fill ((store.count() + 1) / 16.0);
            store.append (points);
        }
    }
};
} // namespace

TEST_F (Lfo, SineWithHalfDutyStartsAtHalfPeaksAtAQuarterAndIgnoresTheFloor)
{
    build (0, 0.5, 0.3);
    EXPECT_EQ (table->entry (0), static_cast<float> (0.5 * 0.999));

    // Argument in double, sine in single precision.
    const float g = std::sin (static_cast<float> (static_cast<double> (6.2831855f) / 1024.0));
    EXPECT_EQ (base (1), (0.5 * static_cast<double> (g) + 0.5) * 0.999 - 0.001 * base (0));
    EXPECT_LT (base (512), 0.497); // the negative half starts one step in

    const auto all = entries();
    const auto peak = std::max_element (all.begin(), all.end());
    EXPECT_LE (*peak, 1.0f);
    EXPECT_NEAR (static_cast<double> (peak - all.begin()), 51200.0, 1200.0);
    EXPECT_NEAR (table->entry (102400), 0.5f, 0.01f);
    EXPECT_LT (*std::min_element (all.begin(), all.end()), 0.01f);
}

TEST_F (Lfo, SquareHasHighPointsUpToDutyAndNothingBelowTheFloor)
{
    build (4, 0.5, 0.0125);
    for (int i = 0; i <= 512; ++i)
        ASSERT_GT (base (i), 0.9) << i;
    EXPECT_EQ (base (513), 0.0125);
    for (float v : entries())
        ASSERT_GE (v, 0.0125f);
}

TEST_F (Lfo, RampsExpandIntoStraightLines)
{
    for (int number : {2, 3})
    {
        build (number, 1.0);
        EXPECT_EQ (base (0), number == 2 ? 0.0 : 0.999);
        for (int i = 1; i < LfoWaveTable::basePoints; ++i)
        {
            ASSERT_EQ (table->entry (200 * i), static_cast<float> (base (i)));
            const double slope = base (i) - base (i - 1);
            ASSERT_EQ (slope > 0.0, number == 2) << i;
            for (int j = 1; j < 200; ++j)
                ASSERT_NEAR (table->entry (200 * i + j), base (i) + slope * j / 199.0, 0.0025) << i << " " << j;
        }
    }

    build (3, 0.0); // a zero duty holds the end value throughout
    for (int i = 0; i < LfoWaveTable::basePoints; ++i)
        ASSERT_EQ (base (i), 0.0);
}

TEST_F (Lfo, QuarterRiseContinuesTheSharedSmoothingAndBumpWritesPairs)
{
    LfoWaveTable other (store, epoch);
    table->generate (1, 0.5, 0.0);
    other.generate (6, 0.5, 0.0);
    EXPECT_EQ (other.basePoint (0), -0.001 * base (1023));

    build (5, 5.0 / 1024.0); // an odd count also writes the point count, unsmoothed
    EXPECT_NEAR (base (5), 0.5, 1.0e-6);
    EXPECT_EQ (base (6), 0.5 * 0.999);
    EXPECT_NEAR (base (1023), 0.5, 0.01);
}

TEST_F (Lfo, UserWavesAreClampedToTheLastLoaded)
{
    table->generate (12, 0.5, 0.0);
    EXPECT_EQ (base (0), 0.0); // no wave loaded

    addConstantWaves (3);
    table->generate (12, 0.5, 0.0);
    EXPECT_EQ (base (0), 3.0 / 16.0 * 0.999);

    addConstantWaves (5);
    for (int number : {13, 14})
    {
        table->generate (number, 0.5, 0.0);
        EXPECT_EQ (base (0), 8.0 / 16.0 * 0.999) << number;
    }
}

TEST_F (Lfo, ShortUserFileDecaysToZero)
{
    addConstantWaves (7);
    store.append (parseUserWave ("0.1\n0.2\n0.3\n0.4\n0.5\n0.6\n0.7\n0.8\n0.9\n1.0\n"));
    table->generate (12, 0.5, 0.0);
    double z = 0.0;
    for (int i = 0; i < 10; ++i)
    {
        z = static_cast<double> (static_cast<float> ((i + 1) / 10.0)) * 0.999 - 0.001 * z;
        EXPECT_EQ (base (i), z) << i;
    }
    for (int i = 14; i < LfoWaveTable::basePoints; ++i)
        ASSERT_LT (std::fabs (base (i)), 1.0e-12);
}

TEST_F (Lfo, ExpansionFollowsTheMagnitudesAndKeepsBasePointsAsTheyAre)
{
    addConstantWaves (7);
    UserWavePoints points;
    for (std::size_t i = 0; i < points.size(); ++i)
        points[i] = i < 512 ? -0.5 : 0.5;
    store.append (points);
    build (12, 0.5);

    // Across the sign change the magnitudes hardly move, so the entries stay flat.
    for (int j = 0; j < 200; ++j)
        ASSERT_NEAR (table->entry (200 * 512 + j), 0.5f, 0.01f) << j;
    EXPECT_LT (table->entry (200 * 100), -0.49f); // a negative base point is kept
}

TEST_F (Lfo, BadShapeInputsStayInRange)
{
    const double inf = std::numeric_limits<double>::infinity();
    for (int number : {std::numeric_limits<int>::min(), -1, 0, 1, 2, 3, 4, 5, 6, 7, std::numeric_limits<int>::max()})
        for (double duty : {std::nan (""), -inf, -1.0, 1.5, inf})
            for (double floor : {std::nan (""), -1.0, 2.0})
            {
                table->generate (number, duty, floor);
                for (int i = 0; i < LfoWaveTable::basePoints; ++i)
                    ASSERT_TRUE (base (i) >= -0.01 && base (i) <= 1.0) << number << " " << duty << " " << i;
            }

    EXPECT_EQ (table->basePoint (-5), base (0));
    EXPECT_EQ (table->entry (N + 7), table->entry (N - 1));
}

TEST_F (Lfo, ReadAdvancesByTheTruncatedStepAndOffsetsByThePhase)
{
    build (0, 0.5);
    const auto nextAfter = [this] (std::int32_t position, float frequency)
    {
        std::int32_t next = -1;
        (void)table->read (position, 0.0f, frequency, 48000.0f, next);
        return next;
    };
    EXPECT_EQ (nextAfter (12345, 0.0f), 12345);
    EXPECT_EQ (nextAfter (1000, 8.0f), 1034);
    EXPECT_EQ (nextAfter (N - 10, 8.0f), 24);
    EXPECT_EQ (nextAfter (10, -8.0f), N - 24);
    EXPECT_EQ (nextAfter (10, 48000.0f), 10); // fs or more wraps
    EXPECT_EQ (nextAfter (10, 72000.0f), 10 + N / 2);

    std::int32_t next = 0;
    EXPECT_EQ (table->read (1000, -1.0f, 0.0f, 48000.0f, next), table->entry (1000));
    EXPECT_EQ (table->read (1000, 0.0f, 0.0f, 48000.0f, next), table->entry (1000));
    EXPECT_EQ (table->read (0, -0.25f, 0.0f, 48000.0f, next), table->entry (N - N / 4));
}

TEST_F (Lfo, BadReadInputsStayInsideTheTable)
{
    build (0, 0.5);
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::nanf ("");
    const auto wrapped = [] (std::int64_t p) { return static_cast<int> (((p % N) + N) % N); };

    for (std::int32_t position :
         {std::numeric_limits<std::int32_t>::min(), -1, N, std::numeric_limits<std::int32_t>::max()})
    {
        std::int32_t next = -1;
        EXPECT_EQ (table->read (position, nan, nan, 48000.0f, next), table->entry (wrapped (position)));
        EXPECT_EQ (next, wrapped (position));
        for (float phase : {inf, -inf, -1.0e30f, 7.0f})
            for (float frequency : {inf, -inf, 1.0e30f, 8.0f})
                for (float fs : {0.0f, nan, inf, 1.0e-30f, -48000.0f})
                {
                    const float v = table->read (position, phase, frequency, fs, next);
                    ASSERT_TRUE (v >= -0.001f && v <= 1.0f);
                    ASSERT_TRUE (next >= 0 && next < N) << position << " " << frequency << " " << fs;
                }
    }
}

// Builders rebuild the table while two readers read it; every value read must
// come from one of the two complete tables.
TEST_F (Lfo, ReadersOnlySeeCompleteTables)
{
    build (4, 0.5, 0.0125);
    const auto square = entries();
    build (0, 0.5);
    const auto sine = entries();

    std::atomic<bool> done{false};
    std::atomic<int> wrong{0};
    const auto check = [&] (int i, float v)
    {
        const auto k = static_cast<std::size_t> (i);
        if (v != sine[k] && v != square[k])
            wrong.fetch_add (1);
    };

    std::thread audio (
        [&]
        {
            std::int32_t position = 0;
            while (!done.load())
            {
                const RenderEpoch::BlockScope block (epoch);
                for (int i = 0; i < 512; ++i)
                {
                    std::int32_t next = 0;
                    check (position, table->read (position, 0.0f, 8000.0f, 48000.0f, next));
                    position = next;
                }
            }
        });
    std::thread editor (
        [&]
        {
            for (int i = 0; !done.load(); i = (i + 7919) % N)
                check (i, table->entry (i));
        });

    // Two builders of the same base wave at once: the second waits for the first.
    std::thread builder (
        [&]
        {
            for (int k = 0; k < 10; ++k)
                table->expand();
        });
    for (int k = 0; k < 10; ++k)
        table->expand();
    builder.join();

    for (int k = 0; k < 20; ++k)
        build (k % 2 == 0 ? 4 : 0, 0.5, k % 2 == 0 ? 0.0125 : 0.0);
    done = true;
    audio.join();
    editor.join();

    EXPECT_EQ (wrong.load(), 0);
    EXPECT_EQ (entries(), sine);
}
