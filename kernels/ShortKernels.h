#pragma once

#include "kernels/KernelContext.h"

namespace gatevox
{

// The kernels that need no building block of their own.
void tremoloKernel (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept;
void stereoPanKernel (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept;
void amModKernel (const KernelContext& c, StereoIn in, StereoOut out) noexcept;

} // namespace gatevox
