#pragma once

#include "kernels/KernelContext.h"

namespace gatevox
{

// Runs the kernel when it is one of the color kernels; returns false for
// any other id.
bool runColorKernel (const KernelContext& context, int kernelId, StereoIn in, float lfo, StereoOut out) noexcept;

} // namespace gatevox
