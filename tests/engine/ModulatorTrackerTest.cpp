#include "kernels/FrequencyTracker.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

using namespace gatevox;

namespace
{
constexpr int frame = FrequencyTracker::frameSize;
constexpr int length = FrequencyTracker::transformSize;

// The analysis written out with a direct transform in double precision:
// estimates per bin and the largest peak they show.
struct ReferenceAnalysis
{
    std::vector<float> estimate = std::vector<float> (frame);
    std::vector<double> magnitude = std::vector<double> (frame);
    float maximum = 0.0f;
};

ReferenceAnalysis analyse (const std::vector<float>& x, float fs)
{
    std::vector<double> cosines (length), sines (length), windowed (frame);
    for (int j = 0; j < length; ++j)
    {
        cosines[static_cast<std::size_t> (j)] = std::cos (2.0 * std::numbers::pi * j / length);
        sines[static_cast<std::size_t> (j)] = -std::sin (2.0 * std::numbers::pi * j / length);
    }
    for (int j = 0; j < frame; ++j)
        windowed[static_cast<std::size_t> (j)] =
            static_cast<double> (x[static_cast<std::size_t> (j)] *
                                 (0.56f - 0.46f * std::cos (6.2831855f * static_cast<float> (j + 1) / 4095.0f)));

    const float P = 6.2831855f / (6.2831855f * 4096.0f / fs);
    ReferenceAnalysis r;
    float previous = 0.0f;
    for (int k = 0; k < frame; ++k)
    {
        double re = 0.0, im = 0.0;
        for (int j = 0; j < frame; ++j)
        {
            const auto a = static_cast<std::size_t> ((j * k) % length);
            re += windowed[static_cast<std::size_t> (j)] * cosines[a];
            im += windowed[static_cast<std::size_t> (j)] * sines[a];
        }
        const float phase = std::atan2 (static_cast<float> (im), static_cast<float> (re));
        r.estimate[static_cast<std::size_t> (k)] = static_cast<float> (k + 1) * P + (phase - previous);
        r.magnitude[static_cast<std::size_t> (k)] = std::hypot (re, im);
        previous = phase;
    }

    const auto& E = r.estimate;
    bool flag = false;
    for (std::size_t k = 2; k < frame; k += 2)
    {
        if (E[k] <= 15.0f)
            continue;
        if (flag)
            flag = !(E[k] > E[k - 1] || E[k + 1] > E[k]);
        else
        {
            if (E[k - 1] > E[k])
            {
                r.maximum = std::max (r.maximum, std::fabs (E[k - 1]));
                flag = true;
            }
            if (E[k] > E[k + 1])
            {
                r.maximum = std::max (r.maximum, std::fabs (E[k]));
                flag = true;
            }
        }
    }
    return r;
}
} // namespace

TEST (FrequencyTracker, BinStepFollowsTheRate)
{
    FrequencyTracker t;
    EXPECT_FLOAT_EQ (t.binStep(), 11.71875f);
    (void)trackFrequency (t, 0.0f, 96000.0f);
    EXPECT_FLOAT_EQ (t.binStep(), 23.4375f);
    (void)trackFrequency (t, 0.0f, 44100.0f);
    EXPECT_NEAR (t.binStep(), 44100.0f / 4096.0f, 1.0e-4f);
}

TEST (FrequencyTracker, SilenceNeverRaisesTheMaximum)
{
    FrequencyTracker t;
    for (const float fs : {1.0f, 8000.0f, 48000.0f, 192000.0f})
        for (int i = 0; i < 3 * frame; ++i)
            ASSERT_EQ (trackFrequency (t, 0.0f, fs), 0.0f);
    EXPECT_EQ (t.maximum(), 0.0f);
}

TEST (FrequencyTracker, NanSamplesAreIgnored)
{
    FrequencyTracker t;
    (void)trackFrequency (t, 0.5f, 8000.0f);
    EXPECT_EQ (trackFrequency (t, std::numeric_limits<float>::quiet_NaN(), 16000.0f), 0.0f);
    EXPECT_EQ (t.filled(), 1);
    EXPECT_FLOAT_EQ (t.binStep(), 8000.0f / 4096.0f);
}

TEST (FrequencyTracker, AnalysisMatchesADirectTransformAndTheMaximumOnlyRises)
{
    std::mt19937 random (3);
    std::uniform_real_distribution<float> noise (-0.5f, 0.5f);
    std::vector<float> x (frame);
    for (auto& v : x)
        v = noise (random);

    FrequencyTracker t;
    for (int i = 0; i < frame - 1; ++i)
        ASSERT_EQ (trackFrequency (t, x[static_cast<std::size_t> (i)], 8000.0f), 0.0f) << i;

    // The 2048th sample completes the frame; the output takes its first step.
    const float first = trackFrequency (t, x.back(), 8000.0f);
    EXPECT_EQ (t.filled(), 0);
    const auto reference = analyse (x, 8000.0f);
    ASSERT_GT (reference.maximum, 0.0f);
    EXPECT_NEAR (t.maximum(), reference.maximum, 1.0e-3f * reference.maximum);
    EXPECT_FLOAT_EQ (first, 0.999f * t.maximum());

    double rms = 0.0;
    for (const double m : reference.magnitude)
        rms += m * m;
    rms = std::sqrt (rms / frame);
    for (std::size_t k = 0; k < frame; ++k)
    {
        if (reference.magnitude[k] > 0.05 * rms && (k == 0 || reference.magnitude[k - 1] > 0.05 * rms))
        {
            ASSERT_NEAR (t.estimates()[k], reference.estimate[k], 2.0e-3f) << k;
        }
    }

    // Silence afterwards keeps the maximum, and the output settles on it.
    const float held = t.maximum();
    float y = 0.0f;
    for (int i = 0; i < 4 * frame; ++i)
        y = trackFrequency (t, 0.0f, 8000.0f);
    EXPECT_EQ (t.maximum(), held);
    EXPECT_NEAR (y, held, 1.0e-3f * held);
}

TEST (FrequencyTracker, ASineAtHighRatesRaisesNoPeak)
{
    // The bin step at 48 kHz exceeds the largest jump two phase differences can
    // make, so a clean tone gives rising estimates and no peak.
    FrequencyTracker t;
    for (int i = 0; i < 4 * frame; ++i)
        (void)trackFrequency (t, static_cast<float> (std::sin (2.0 * std::numbers::pi * 440.0 * i / 48000.0)),
                              48000.0f);
    EXPECT_EQ (t.maximum(), 0.0f);
}
