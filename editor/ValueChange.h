#pragma once

#include <cmath>

namespace gatevox
{
// The smallest difference the editor counts as a change of a value.
inline constexpr float valueChangeThreshold = 1e-7f;

// Whether b differs from a by the threshold or more; a value that is not a
// number always differs.
[[nodiscard]] inline bool differs (float a, float b) noexcept
{
    return !(std::abs (a - b) < valueChangeThreshold);
}
} // namespace gatevox
