#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace gatevox
{

// Whether two floats are the same, bit for bit: a NaN can match, and 0 and -0
// differ. A result computed from one holds for the other.
[[nodiscard]] inline bool sameBits (float a, float b) noexcept
{
    return std::bit_cast<std::uint32_t> (a) == std::bit_cast<std::uint32_t> (b);
}

// Truncation toward zero that saturates instead of overflowing; a value that
// is not a number gives 0.
template <typename Int = std::int32_t, typename Real> [[nodiscard]] constexpr Int truncTo (Real v) noexcept
{
    if (!(v == v))
        return 0;
    constexpr auto lowest = static_cast<Real> (std::numeric_limits<Int>::lowest());
    constexpr auto highest = static_cast<Real> (std::numeric_limits<Int>::max());
    if (v <= lowest)
        return std::numeric_limits<Int>::lowest();
    if (v >= highest)
        return std::numeric_limits<Int>::max();
    return static_cast<Int> (v);
}

template <typename Real> [[nodiscard]] constexpr std::int32_t truncToInt (Real v) noexcept
{
    return truncTo<std::int32_t> (v);
}

} // namespace gatevox
