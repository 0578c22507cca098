#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace gatevox
{

namespace colorShape
{
// Largest prime not above b, by trial division; 0 below 2.
[[nodiscard]] constexpr int largestPrimeNotAbove (float b) noexcept
{
    for (int n = static_cast<int> (b); n >= 2; --n)
    {
        bool prime = true;
        for (int d = 2; d * d <= n && prime; ++d)
            prime = n % d != 0;
        if (prime)
            return n;
    }
    return 0;
}

// The first tap sits at the prime below 7198, the last at the prime below 1.6
// times that; the six between are spaced by an eighth of the span, each
// rounded down to a prime from the one before.
[[nodiscard]] constexpr std::array<int, 8> buildTapDelays() noexcept
{
    std::array<int, 8> d{};
    d[0] = largestPrimeNotAbove (7198.0f);
    d[7] = largestPrimeNotAbove (1.6f * static_cast<float> (d[0]));
    const float e = static_cast<float> (d[7] - d[0]) * 0.125f;
    for (std::size_t k = 1; k < 7; ++k)
        d[k] = largestPrimeNotAbove (static_cast<float> (d[k - 1]) + e);
    return d;
}

inline constexpr std::array<int, 8> tapDelays = buildTapDelays();
inline constexpr std::array<float, 8> tapGains{0.742f, 0.733f, 0.715f, 0.697f, 0.679f, 0.661f, 0.65f, 0.645f};
inline constexpr std::array<int, 4> stageDelays{largestPrimeNotAbove (1576.5f), largestPrimeNotAbove (1123.221f),
                                                largestPrimeNotAbove (621.5f), largestPrimeNotAbove (113.0f)};
inline constexpr float stageGain = 0.7f;
} // namespace colorShape

// A feed-forward comb: y = 0.3 v + 0.7 v[n - D] over a history of exactly D samples.
struct ColorStage
{
    std::vector<float> history;
    int write = 0;
};

// The values that entered the taps, newest at write - 1. All eight taps take
// the same value each sample, so one ring serves them all: tap k reads the
// entry written tapDelays[k] samples ago (0 before that many were written).
struct ColorTapRing
{
    static constexpr int size = 16384; // a power of two, above the longest delay
    static_assert (size > colorShape::tapDelays.back());

    std::vector<float> buffer;
    int write = 0;
};

// Four comb stages in series feeding eight prime-length taps, whose weighted
// sum is averaged over the last eight samples. The lengths are sample counts
// that do not follow the sample rate; every buffer is sized here, so
// processing never allocates.
struct ColorNetwork
{
    ColorNetwork();

    std::array<ColorStage, 4> stages;
    ColorTapRing taps;
    std::array<float, 8> recentSums{}; // newest first
};

// One sample through the network, blended with x by the color amount c.
// A result that is not finite is returned as 0.
[[nodiscard]] float colorProcess (ColorNetwork& network, float x, float c) noexcept;

// The weighted sum of the eight taps as the network forms it: taps 0-3 and
// 4-7 paired lane by lane, then the four lane sums added.
[[nodiscard]] float colorTapSum (const std::array<float, 8>& taps) noexcept;

} // namespace gatevox
