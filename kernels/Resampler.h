#pragma once

#include "kernels/FilterSections.h"

#include <array>
#include <cstdint>

namespace gatevox
{

// Lowers the effective sample rate of a stereo stream: one input sample in
// every b is kept, as two impulse trains of the whole periods around b, each
// smoothed by a fixed biquad and crossfaded by the fraction of b. One object
// per slot.
struct Resampler
{
    // The periods stay within 1 ... longestPeriod samples whatever the rate.
    static constexpr float longestPeriod = 16'777'216.0f;

    float rate = 0.0f;
    float fs = 0.0f;
    float b = 1.0f;
    std::int32_t n1 = 1; // ceil b
    std::int32_t n2 = 1; // floor b
    float phi = 0.0f;    // b - floor b
    std::int32_t c1 = 0;
    std::int32_t c2 = 0;

    // Left through the N1 gate, left through N2, right through N1, right through N2.
    std::array<BiquadSection, 4> sections{};
};

// The smoothing section shared by the four streams: a double zero at half
// the sample rate, DC gain about 0.9886.
inline constexpr BiquadCoefficients resamplerSmoothing{1.0f, 1.7707f, 0.79771f, 0.88189f, 1.76378f, 0.88189f};

struct ResampledFrame
{
    float left;
    float right;
};

// One stereo sample. A new rate or sample rate restarts both period counters;
// a rate or sample rate that is not a number is ignored.
[[nodiscard]] ResampledFrame resampleProcess (Resampler& resampler, float inLeft, float inRight, float fs,
                                              float rate) noexcept;

} // namespace gatevox
