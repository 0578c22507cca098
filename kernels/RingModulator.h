#pragma once

#include "kernels/ModulatorBanks.h"

#include <optional>

namespace gatevox
{

// Multiplies both channels by three tones at f, f / 2 and 2f (the last folded
// back below 23,800 Hz). The two derived tones are retuned only when f moves
// the frequency register. Returns nothing when the left input is not a number.
[[nodiscard]] std::optional<ModulatorSample> ringProcess (ModulatorObject& object, double xL, double xR, double f,
                                                          float fs) noexcept;

} // namespace gatevox
