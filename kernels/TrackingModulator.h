#pragma once

#include "kernels/ModulatorBanks.h"

namespace gatevox
{

// Frequency-tracking modulator: J1 of each input times (sin t + cos t) x c,
// where c is a tone at fc and t is a carrier phase at the slowly gliding
// frequency register, deviated by the right input scaled by the tracked
// frequency. A change of ownerKey restarts the sample counter and the phases.
[[nodiscard]] ModulatorSample fmProcess (ModulatorObject& object, double xL, double xR, double fc, float fs,
                                         int ownerKey) noexcept;

} // namespace gatevox
