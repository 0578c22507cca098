#include "kernels/SampleHoldEcho.h"

#include "core/SafeMath.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace gatevox
{

namespace
{
void clearInUse (SampleHoldEcho& e) noexcept
{
    const auto used = static_cast<std::ptrdiff_t> (std::max (e.n, 1));
    std::fill_n (e.historyLeft.begin(), used, 0.0f);
    std::fill_n (e.historyRight.begin(), used, 0.0f);
    std::fill_n (e.echoA.begin(), used, 0.0f);
    std::fill_n (e.echoB.begin(), used, 0.0f);
}

// A smoothed delay that the buffers cannot hold (or a negative one) is held to
// what they can: the lengths then stay within 2 ... capacity.
float boundedSamples (float t) noexcept
{
    if (!(t > 0.0f))
        return 0.0f;
    return std::min (t, SampleHoldEcho::longestDelaySamples);
}

void glide (SampleHoldEcho& e, float inLeft, float inRight, float delay, float fs) noexcept
{
    e.d = 0.9f * e.d + 0.1f * delay;
    e.t = boundedSamples (e.d * fs);
    e.delayA = truncToInt (0.9f * e.t);
    e.delayB = truncToInt (0.3f * e.t);
    e.hold = truncToInt (e.t);
    e.n = truncToInt (2.0f * e.t + 2.0f);
    clearInUse (e);
    e.heldLeft = inLeft;
    e.heldRight = inRight;
    e.holdCounter = 0;
    if (e.w >= e.n)
        e.w = 0;
}

// Read position delay samples behind the write index, wrapping to the end.
std::size_t behind (std::int32_t w, std::int32_t delay, std::int32_t n) noexcept
{
    const std::int32_t r = w - delay;
    return static_cast<std::size_t> (r < 0 ? r + n : r);
}
} // namespace

EchoFrame sampleHoldProcess (SampleHoldEcho& e, float inLeft, float inRight, float delay, float a, float fs) noexcept
{
    // Far-off targets come in as the longest delay the buffers hold (negative
    // ones as none), so the smoothed delay always settles.
    if (!std::isnan (delay))
    {
        const float target = std::min (std::max (delay, 0.0f), SampleHoldEcho::longestDelaySamples / fs);
        if (std::abs (target - e.d) >= 0.0000001f)
            glide (e, inLeft, inRight, target, fs);
    }

    const auto w = static_cast<std::size_t> (e.w);
    const std::size_t rA = behind (e.w, e.delayA, e.n);
    const std::size_t rB = behind (e.w, e.delayB, e.n);

    e.historyLeft[w] = inLeft;
    e.historyRight[w] = inRight;
    e.echoA[w] = 0.7f * e.historyLeft[rA] - 0.3f * e.lastLeft;
    e.echoB[w] = 0.7f * e.historyRight[rB] - 0.3f * e.lastRight;

    if (++e.holdCounter >= e.hold)
    {
        e.heldLeft = inLeft;
        e.heldRight = inRight;
        e.holdCounter = 0;
    }

    const EchoFrame y{((1.0f - a) * inLeft + a * e.heldLeft + e.echoB[w]) * 0.35355f,
                      ((1.0f - a) * inRight + a * e.heldRight + e.echoA[w]) * 0.35355f};
    e.lastLeft = y.left;
    e.lastRight = y.right;
    if (++e.w >= e.n)
        e.w = 0;
    return y;
}

} // namespace gatevox
