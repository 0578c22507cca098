#pragma once

#include "kernels/FrequencyTracker.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace gatevox
{

// A slot's modulator: one object per slot serves both channels.
// The phases are oscillator phases (0 ... 2,399,999); the frequency
// register is shared by every operation, so a kernel change carries the last
// value over. Built with the processor; nothing in it allocates afterwards.
struct ModulatorObject
{
    static constexpr std::int32_t counterWrap = 48'000;
    static constexpr double foldBase = 23'900.0;

    std::array<std::int32_t, 3> phase{};
    std::int32_t counter = 0;
    std::int32_t ownerKey = 0;
    double frequency = 5000.0;
    double envelope = 0.0;
    double minimum = 0.0;
    double ringHalf = 2500.0;    // f / 2 of the ring modulator, for the initial F
    double ringDouble = 10000.0; // 2f, folded back below the fold base less 100 Hz
    FrequencyTracker tracker;
};

// True when a requested frequency differs from the register by 0.0000001 or
// more, compared in single precision.
[[nodiscard]] inline bool frequencyMoved (double requested, double current) noexcept
{
    return std::fabs (static_cast<float> (requested) - static_cast<float> (current)) >= 0.0000001f;
}

// Takes a new register value unless it left the range of doubles, so one
// absurd request cannot leave the register stuck at infinity.
inline void storeFrequency (ModulatorObject& object, double value) noexcept
{
    if (std::isfinite (value))
        object.frequency = value;
}

// Two single-precision samples produced by a modulator operation.
struct ModulatorSample
{
    float left;
    float right;
};

} // namespace gatevox
