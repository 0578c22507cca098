#pragma once

#include <cstdint>

namespace gatevox
{

// How the window encodes steps, patterns and layers as parameter values.

// The strip shows a step as its strip value, one above its step value: 1-5 for
// the slots "Fx 1" to "Fx 5" and 6 for an empty step.
inline constexpr int emptyStripValue = 6;

[[nodiscard]] constexpr int stripValueOfStep (std::int32_t stepValue) noexcept
{
    return static_cast<int> (stepValue) + 1;
}

// What a step parameter carries: the step value over 6 (0 for "Fx 1").
[[nodiscard]] constexpr float stepParameterValue (int stripValue) noexcept
{
    return stripValue < 2 ? 0.0f : static_cast<float> (stripValue - 1) / 6.0f;
}

// The strip value that follows a value in draw mode: the next slot after
// "Fx 1" to "Fx 4", "Fx 1" after "Fx 5" and after an empty step.
[[nodiscard]] constexpr int nextStripValue (int stripValue) noexcept
{
    return stripValue >= 1 && stripValue <= 4 ? stripValue + 1 : 1;
}

// What "Selected Pattern" and "Num of Patterns" carry for pattern 0-15 (or
// a pattern count minus one): sixteenths.
[[nodiscard]] constexpr float patternParameterValue (int pattern) noexcept
{
    return pattern < 1 ? 0.0f : static_cast<float> (pattern) * 0.0625f;
}

// What "layerParam" carries for layer 0-3: quarters.
[[nodiscard]] constexpr float layerParameterValue (int layer) noexcept
{
    return static_cast<float> (layer) * 0.25f;
}

} // namespace gatevox
