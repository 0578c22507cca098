#pragma once

#include "modulation/UserWaveStore.h"

#include <array>
#include <cstdint>

namespace gatevox
{

inline constexpr int lfoBasePoints = 1024;

using LfoBaseWave = std::array<double, lfoBasePoints>;

// Duty and floor as the generators and the expansion use them: limited to
// 0-1; a duty that is not a number acts as 0.5, a floor that is not a number
// as 0.
[[nodiscard]] double limitLfoDuty (double duty) noexcept;
[[nodiscard]] double limitLfoFloor (double floor) noexcept;

// Writes the base wave of waveform `number`: 0 sine with duty, 1 triangle,
// 2 and 3 rising and falling ramps, 4 square, 5 bump and dip, 6 quarter rise
// and fall, 7 and above user wave min(number - 5, count - 1) of the store.
// Every generator smooths with the store's shared one-pole record; all but
// waveform 6 clear its state first. A negative number acts as 0; a user
// waveform with no wave loaded gives a wave of zeros.
void generateLfoBaseWave (LfoBaseWave& out, std::int32_t number, double duty, double floor,
                          UserWaveStore& store) noexcept;

} // namespace gatevox
