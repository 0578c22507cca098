#include "kernels/Shapers.h"

#include <algorithm>
#include <cmath>

namespace gatevox
{

namespace
{
// Boosts 0 Hz and half the sample rate and dips a quarter of it; a1 and b1
// are zero in all but name.
constexpr BiquadCoefficients fuzzPreFilter{1.0f, -9.4981e-17f, -0.55116f, 1.2234f, -9.4981e-17f, 0.3278f};

float fuzzChannel (BiquadSection& section, float x, float d) noexcept
{
    const float f = biquadProcess (section, x, fuzzPreFilter, 0);
    float t = std::abs ((x + 1.0f) * x * (f + 1.0f)) * 0.11221f;
    const float sign = x > 0.0f ? 1.0f : -1.0f;
    t = std::exp (t * t + x);
    t = std::min (t, 6.9828f) * sign * 0.13533f;
    return (1.0f - d) * x + d * t;
}

float grungeChannel (float x, float limit) noexcept
{
    const float sign = x >= 0.0f ? 1.0f : -1.0f;
    const float a = std::abs (x);
    const float y = std::exp (a) * std::cos (a) * sign * 0.324635f;
    return std::abs (y) > limit ? limit * sign : y;
}

float rectifierChannel (RectifierHistory& h, float x) noexcept
{
    const float v = 0.49369f * h.x1 + 0.3287f * h.x2 - 0.59369f * h.y1 - 0.44349f * h.y2;
    h.x2 = h.x1;
    h.x1 = x;
    h.y2 = h.y1;
    h.y1 = v;
    return x >= 0.0f ? v : -v;
}
} // namespace

StereoPair fuzzShape (ShaperObject& shaper, float xL, float xR, float d) noexcept
{
    return {fuzzChannel (shaper.fuzzLeft, xL, d), fuzzChannel (shaper.fuzzRight, xR, d)};
}

StereoPair grungeShape (ShaperObject& shaper, float xL, float xR, float limit, int ownerKey) noexcept
{
    // Quiet means the mean magnitude is below 10^-2.4.
    const bool quiet = 0.0039811f > (std::abs (xL) + std::abs (xR)) * 0.5f;
    const float yL = grungeChannel (xL, limit);
    const float yR = grungeChannel (xR, limit);

    if (quiet)
    {
        if (ownerKey != shaper.grungeOwnerKey)
        {
            shaper.fadeLeft = shaper.fadeRight = 1.0f;
            shaper.grungeOwnerKey = ownerKey;
        }
        shaper.fadeLeft *= 0.9999f;
        shaper.fadeRight *= 0.9999f;
    }
    else
    {
        shaper.fadeLeft = shaper.fadeRight = 1.0f;
    }

    return {yL * shaper.fadeLeft, yR * shaper.fadeRight};
}

void rectifierFilter (ShaperObject& shaper, float xL, float xR, float& yL, float& yR) noexcept
{
    if (std::isnan (xL))
        return;

    yL = rectifierChannel (shaper.rectifierLeft, xL);
    yR = rectifierChannel (shaper.rectifierRight, xR);
}

void clearHistory (ShaperObject& shaper) noexcept
{
    clearHistory (shaper.fuzzLeft);
    clearHistory (shaper.fuzzRight);
    shaper.rectifierLeft = {};
    shaper.rectifierRight = {};
}

} // namespace gatevox
