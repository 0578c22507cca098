#pragma once

#include "params/ParameterConversions.h"

#include <cstdint>

// The LFO's tempo snap. The slot keeps its snap interval as a code (the
// "LFO Snap Interval" parameter's trunc(6 v)); the snap divisions X of a beat
// follow from that code, and the frequency moves in steps of
// (tempo / 60) / X. The window's timer and the Snap toggle both decode the
// code here, so a click on Snap gives the step the timer keeps.
namespace gatevox::snapInterval
{
inline constexpr int numChoices = 5;        // "1/2", "1/2(3)", "1/4", "1/4(3)", "1/8"
inline constexpr int shownWhenNoChoice = 3; // the box then reads "1/4"

// Snap divisions of a beat for a snap interval code.
[[nodiscard]] constexpr float divisions (std::int32_t code) noexcept
{
    switch (code)
    {
    case 1:
        return 2.0f;
    case 2:
        return 3.0f;
    case 4:
        return 6.0f;
    case 5:
        return 8.0f;
    case 6:
        return 12.0f;
    default:
        return 4.0f;
    }
}

// What the snap-interval box sends for item id (1-5).
[[nodiscard]] inline float parameterOfChoice (int id) noexcept
{
    return static_cast<float> (id) / static_cast<float> (numChoices);
}

// The code the processor stores for item id (nothing chosen reads "1/4").
[[nodiscard]] inline std::int32_t codeOfChoice (int id) noexcept
{
    return snapIntervalOf (parameterOfChoice (id < 1 || id > numChoices ? shownWhenNoChoice : id));
}
} // namespace gatevox::snapInterval
