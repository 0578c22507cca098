#pragma once

#include "core/SafeMath.h"

#include <cmath>
#include <cstdint>

namespace gatevox
{

// The oscillators' phase runs over 2,400,000 steps per period.
inline constexpr std::int32_t oscillatorPeriod = 2'400'000;

// sin (i x 2 pi / 2,400,000) in single precision, computed at each step:
// a table of all 2.4 million values would take 9.6 MB, and at audio rates
// every step would land on a cache line of its own.
[[nodiscard]] inline float oscillatorSine (std::int32_t i) noexcept
{
    constexpr float twoPi = 6.2831855f;
    return std::sin (static_cast<float> (i) * twoPi / static_cast<float> (oscillatorPeriod));
}

// Advances phase accumulator p by trunc (f x 2,400,000 / fs), computed in
// double precision, and keeps it within 0 ... 2,399,999. An increment that is
// not a number counts as 0; huge ones saturate before the reduction, so p
// never leaves the table.
inline void advanceOscillator (std::int32_t& p, double f, float fs) noexcept
{
    constexpr std::int64_t period = oscillatorPeriod;
    const auto increment = truncTo<std::int64_t> (f * static_cast<double> (period) / static_cast<double> (fs));

    // The usual case, an increment within one period, needs no division.
    std::int64_t next;
    if (increment >= 0 && increment < period)
    {
        next = static_cast<std::int64_t> (p) + increment;
        if (next >= period)
            next -= period;
    }
    else
    {
        next = (static_cast<std::int64_t> (p) + increment % period) % period;
        if (next < 0)
            next += period;
    }

    p = static_cast<std::int32_t> (next);
}

// Advances p as above and returns the sine there.
inline double oscillatorStep (std::int32_t& p, double f, float fs) noexcept
{
    advanceOscillator (p, f, fs);
    return static_cast<double> (oscillatorSine (p));
}

} // namespace gatevox
