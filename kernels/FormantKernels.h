#pragma once

#include "kernels/KernelContext.h"

namespace gatevox
{

// Runs the kernel when it is one of the formant kernels; returns false for
// any other id.
bool runFormantKernel (const KernelContext& context, int kernelId, StereoIn in, float lfo, StereoOut out) noexcept;

} // namespace gatevox
