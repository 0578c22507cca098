#pragma once

#include "kernels/ModulatorBanks.h"

namespace gatevox
{

// Multiplies each channel by an envelope of three tones at 2F, F and F / 2,
// where F glides towards target, then adds the input attenuated by max (s, 1).
// The product is limited to -1 ... 1 before the input is added. A change of
// ownerKey restarts the phases and the envelope.
[[nodiscard]] ModulatorSample threeToneProcess (ModulatorObject& object, double xL, double xR, double target, double s,
                                                float fs, int ownerKey) noexcept;

} // namespace gatevox
