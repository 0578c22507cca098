#include "engine/TransitionSmoother.h"

#include <gtest/gtest.h>

#include <vector>

using namespace gatevox;

namespace
{
std::vector<float> run (TransitionSmoother& smoother, const std::vector<float>& input)
{
    std::vector<float> output;
    for (const float x : input)
        output.push_back (smoother.process (x));
    return output;
}

const std::vector<float> impulse{1.0f, 0.0f, 0.0f, 0.0f, 0.0f};
} // namespace

TEST (TransitionSmoother, FreshAndUnlistedModesRunTheRecursiveThreePointMean)
{
    TransitionSmoother fresh;
    EXPECT_EQ (fresh.getMode(), 1);
    const auto y = run (fresh, impulse);
    const std::vector<float> expected{1.0f / 3.0f, 1.0f / 9.0f, 4.0f / 27.0f, 7.0f / 81.0f,
                                      (7.0f / 81.0f + 4.0f / 27.0f) / 3.0f};
    for (std::size_t n = 0; n < expected.size(); ++n)
        EXPECT_FLOAT_EQ (y[n], expected[n]) << n;

    for (const int mode : {0, 7, -3})
    {
        TransitionSmoother other;
        other.setMode (mode);
        EXPECT_EQ (run (other, impulse), y) << mode;
    }
}

TEST (TransitionSmoother, ScalingIdentityAverageAndDoubleExponential)
{
    TransitionSmoother smoother;
    smoother.setMode (3);
    EXPECT_EQ (run (smoother, {1.0f, 1.0f, -2.0f}), (std::vector<float>{0.666f, 0.666f, -1.332f}));
    smoother.setMode (6);
    EXPECT_EQ (run (smoother, {0.25f, -7.0f}), (std::vector<float>{0.25f, -7.0f}));

    TransitionSmoother average;
    average.setMode (4);
    EXPECT_EQ (run (average, impulse), (std::vector<float>{0.0f, 0.5f, 0.25f, 0.125f, 0.0625f}));

    TransitionSmoother exponential;
    exponential.setMode (5);
    EXPECT_EQ (run (exponential, {1.0f, 0.0f, 0.0f}), (std::vector<float>{0.5f, 0.375f, 0.21875f}));

    // Mode 5 continues from the level mode 4 left (0.5): 0.5 * 0.5 + 0.5 * 1.
    TransitionSmoother shared;
    shared.setMode (4);
    (void)run (shared, {1.0f, 1.0f});
    shared.setMode (5);
    EXPECT_EQ (shared.process (1.0f), 0.75f);
}

TEST (TransitionSmoother, WindowStatisticOverTheLastEightInputs)
{
    TransitionSmoother smoother;
    smoother.setMode (2);

    // One 1 among eight: mean 1/8, deviation 1.75 over the single upper element.
    const auto y = run (smoother, {1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f});
    for (std::size_t n = 0; n < 8; ++n)
        EXPECT_EQ (y[n], 0.125f - 6.0f * 1.75f / 64.0f) << n;
    EXPECT_EQ (y[8], 0.0f);

    // Two of eight: mean 1/4, deviation 3 over two upper elements.
    EXPECT_EQ (run (smoother, {1.0f, 1.0f}).back(), 0.25f - 4.0f * 1.5f / 64.0f);

    // A steady input equals the mean everywhere, so every element is upper.
    EXPECT_EQ (run (smoother, std::vector<float> (8, 0.5f)).back(), 0.5f);
}
