#pragma once

#include "core/ModelSizes.h"
#include "core/SafeMath.h"
#include "kernels/KernelCatalogue.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace gatevox
{

// The value kept in the parameter table: limited to 0-1. A value that is not
// a number passes unchanged; a negative zero becomes zero, so that its text
// reads "0".
[[nodiscard]] inline float clampNormalised (float value) noexcept
{
    if (value > 1.0f)
        return 1.0f;
    if (value < 0.0f)
        return 0.0f;
    return value + 0.0f;
}

// The value that acts on the model: a value that is not a number acts as 0.
[[nodiscard]] inline float actingValue (float stored) noexcept
{
    return stored == stored ? stored : 0.0f;
}

// The conversions below take a value already limited to 0-1 and compute in
// single precision, truncating toward zero.

// v x 51 - 1 rounded half up; -1 (no kernel) below 1/102.
[[nodiscard]] inline std::int32_t kernelIdOf (float v) noexcept
{
    const float x = v * static_cast<float> (numKernels) - 1.0f;
    const float below = std::floor (x);
    return truncToInt (x - below >= 0.5f ? std::ceil (x) : below);
}

[[nodiscard]] inline std::int32_t waveformOf (float v) noexcept
{
    return truncToInt (14.0f * v);
}
[[nodiscard]] inline std::int32_t snapIntervalOf (float v) noexcept
{
    return truncToInt (6.0f * v);
}
[[nodiscard]] inline std::int32_t selectorOf (float v) noexcept
{
    return truncToInt (static_cast<float> (numKernelParameters) * v);
}
[[nodiscard]] inline std::int32_t envelopeDestinationOf (float v) noexcept
{
    return truncToInt (7.0f * v);
}
[[nodiscard]] inline std::int32_t patternSpeedOf (float v) noexcept
{
    return truncToInt (3.0f * v);
}

// 0-4 a slot, 5 empty; the 6 of v = 1 reads as empty too.
[[nodiscard]] inline std::int32_t stepValueOf (float v) noexcept
{
    return std::min (truncToInt (6.0f * v), emptyStep);
}

// 0 parallel, 1-3 series chain A-C; the -1 of v below 0.25 reads as parallel.
[[nodiscard]] inline std::int32_t routeTypeOf (float v) noexcept
{
    return std::clamp (truncToInt (4.0f * v) - 1, 0, 3);
}

// The edited layer, edited pattern and pattern count minus one; v = 1 gives
// the last one rather than one past it.
[[nodiscard]] inline std::int32_t layerOf (float v) noexcept
{
    return std::min (truncToInt (4.0f * v), numLayers - 1);
}
[[nodiscard]] inline std::int32_t patternOf (float v) noexcept
{
    return std::min (truncToInt (16.0f * v), numPatterns - 1);
}

// -24 dB at 0, 0 dB at 0.5, +24 dB at 1.
[[nodiscard]] inline float masterGainOf (float v) noexcept
{
    return std::pow (10.0f, (48.0f * v - 24.0f) / 20.0f);
}

} // namespace gatevox
