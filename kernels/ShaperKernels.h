#pragma once

#include "kernels/KernelContext.h"

namespace gatevox
{

// The kernels built on the shapers, alone or with a filter section. Every
// shaper call of slot s uses shaper object 2s for both channels.
void lpfFuzzKernel (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept;
void hpfFuzzKernel (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept;
void lpfGrungeKernel (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept;
void hpfGrungeKernel (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept;
void bpfGrungeKernel (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept;
void bpfExcitedKernel (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept;
void distortKernel (const KernelContext& c, StereoIn in, StereoOut out) noexcept;
void distort2Kernel (const KernelContext& c, StereoIn in, StereoOut out) noexcept;
void distort3Kernel (const KernelContext& c, StereoIn in, StereoOut out) noexcept;

} // namespace gatevox
