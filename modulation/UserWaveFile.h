#pragma once

#include "core/ModelSizes.h"

#include <array>
#include <string_view>

namespace gatevox
{

using UserWavePoints = std::array<double, userWavePoints>;

// Reads the text of a ".vlw" user waveform file: one decimal number per line
// (lines end at a line feed, a carriage return or both), the first 1024 lines
// giving the points in order. Text after a number is ignored, a line that does
// not start with a number and every missing line read 0, and each value is
// rounded to single precision. A value that is not finite reads 0 as well, so
// that no infinity or NaN reaches the LFO.
[[nodiscard]] UserWavePoints parseUserWave (std::string_view text) noexcept;

} // namespace gatevox
