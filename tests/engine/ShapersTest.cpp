#include "kernels/Shapers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace gatevox;

namespace
{
const float notANumber = std::numeric_limits<float>::quiet_NaN();

// Loud and quiet passages in turn, so the grunge shaper's fade takes part.
float signal (int i)
{
    const float level = (i / 150) % 2 == 0 ? 0.8f : 0.001f;
    return level * std::sin (0.043f * static_cast<float> (i)) + 0.1f * level * std::sin (1.1f * static_cast<float> (i));
}

constexpr BiquadCoefficients preFilter{1.0f, -9.4981e-17f, -0.55116f, 1.2234f, -9.4981e-17f, 0.3278f};

float referenceFuzz (BiquadSection& section, float x, float d)
{
    const float f = biquadProcess (section, x, preFilter, 0);
    float t = std::abs ((x + 1.0f) * x * (f + 1.0f)) * 0.11221f;
    t = std::min (std::exp (t * t + x), 6.9828f) * (x > 0.0f ? 1.0f : -1.0f) * 0.13533f;
    return (1.0f - d) * x + d * t;
}
} // namespace

TEST (FuzzShaper, FollowsItsFormulaBehindTheFixedPreFilter)
{
    ShaperObject shaper;
    const auto dry = fuzzShape (shaper, 0.3f, -0.4f, 0.0f);
    EXPECT_EQ (dry.left, 0.3f);
    EXPECT_EQ (dry.right, -0.4f);

    ShaperObject fresh;
    EXPECT_EQ (fuzzShape (fresh, 0.0f, 0.0f, 1.0f).left, -0.13533f) << "the sign of 0 is -1";

    ShaperObject shaped;
    BiquadSection left, right;
    for (int i = 0; i < 400; ++i)
    {
        const float l = 3.0f * signal (i), r = signal (i + 40);
        const auto y = fuzzShape (shaped, l, r, 0.4f);
        ASSERT_EQ (y.left, referenceFuzz (left, l, 0.4f)) << i;
        ASSERT_EQ (y.right, referenceFuzz (right, r, 0.4f)) << i;
    }
}

TEST (GrungeShaper, LimitsAndFadesDuringQuietPassages)
{
    ShaperObject shaper;
    float fade = 1.0f;
    for (int n = 1; n <= 500; ++n)
    {
        fade *= 0.9999f;
        const auto y = grungeShape (shaper, 0.0f, 0.0f, 0.7f, 46);
        ASSERT_EQ (y.left, 0.324635f * fade) << n;
        ASSERT_EQ (y.right, y.left);
    }

    // Another key in a quiet passage restarts the fade; loud input resets it
    // without taking the key.
    EXPECT_FLOAT_EQ (grungeShape (shaper, 0.001f, 0.0f, 0.7f, 6).left,
                     std::exp (0.001f) * std::cos (0.001f) * 0.324635f * 0.9999f);
    (void)grungeShape (shaper, 0.5f, 0.5f, 0.7f, 13);
    EXPECT_EQ (shaper.fadeLeft, 1.0f);
    EXPECT_EQ (shaper.grungeOwnerKey, 6);

    for (const float x : {0.9f, -1.2f, 4.0f, -30.0f, 1.0e6f})
    {
        const auto y = grungeShape (shaper, x, -x, 0.7f, 46);
        EXPECT_LE (std::abs (y.left), 0.7f) << x;
        EXPECT_EQ (std::signbit (y.right), std::signbit (-x)) << x;
    }
}

TEST (RectifierFilter, StepResponseTakesTheInputsSignAndNotANumberSkips)
{
    ShaperObject shaper;
    float l = 9.0f, r = 9.0f;
    float x1 = 0.0f, x2 = 0.0f, y1 = 0.0f, y2 = 0.0f;
    for (int i = 0; i < 40; ++i)
    {
        const float x = i % 11 == 10 ? -1.0f : 1.0f;
        const float v = 0.49369f * x1 + 0.3287f * x2 - 0.59369f * y1 - 0.44349f * y2;
        x2 = x1, x1 = x, y2 = y1, y1 = v;
        rectifierFilter (shaper, x, x, l, r);
        ASSERT_EQ (l, x >= 0.0f ? v : -v) << i;
        if (i < 2)
        {
            EXPECT_EQ (l, i == 0 ? 0.0f : 0.49369f);
        }
    }

    const float lastRight = r;
    const auto before = shaper.rectifierRight;
    rectifierFilter (shaper, notANumber, 0.5f, l, r);
    EXPECT_EQ (r, lastRight) << "outputs untouched";
    EXPECT_EQ (shaper.rectifierRight.x1, before.x1);
}
