#pragma once

#include "core/SafeMath.h"
#include "core/SineTable.h"

#include <cstdint>

namespace gatevox
{

// Advances phase accumulator p by trunc (f x 2,400,000 / fs), computed in
// double precision, and keeps it within 0 ... 2,399,999. An increment that is
// not a number counts as 0; huge ones saturate before the reduction, so p
// never leaves the table.
inline void advanceOscillator (std::int32_t& p, double f, float fs) noexcept
{
    constexpr std::int64_t period = SineTable::size;
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

// Advances p as above and returns the sine table there.
inline double oscillatorStep (std::int32_t& p, double f, float fs, const SineTable& sine) noexcept
{
    advanceOscillator (p, f, fs);
    return static_cast<double> (sine[p]);
}

} // namespace gatevox
