#pragma once

#include "kernels/ModulatorBanks.h"

namespace gatevox
{

// Each channel x gives (sin x + cos x) x c x J1 (x) x 2.7, where c is a tone at
// the frequency register, which follows fc almost at once. Left and right use
// the first and second phase accumulators.
[[nodiscard]] ModulatorSample pmProcess (ModulatorObject& object, double xL, double xR, double fc, float fs) noexcept;

} // namespace gatevox
