#pragma once

#include "kernels/KernelContext.h"

namespace gatevox
{

// Runs slot s's kernel for one stereo sample. A slot index outside 0-4 and a
// kernel id outside the catalogue pass the input through. Audio thread only.
void dispatchKernel (const KernelContext& context, int kernelId, StereoIn in, float lfo, StereoOut out) noexcept;

} // namespace gatevox
