#pragma once

#include "kernels/KernelCatalogue.h"
#include "kernels/KernelContext.h"

#include <array>

namespace gatevox
{

// One kernel's per-sample function; kernels that do not follow the LFO ignore
// its value.
using KernelFunction = void (*) (const KernelContext& context, StereoIn in, float lfo, StereoOut out) noexcept;

// The function of each catalogue id, so that the dispatch is one indexed call.
using KernelTable = std::array<KernelFunction, numKernels>;

} // namespace gatevox
