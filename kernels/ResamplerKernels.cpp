#include "ResamplerKernels.h"

namespace gatevox
{

bool runResamplerKernel (const KernelContext&, int, StereoIn, float, StereoOut) noexcept
{
    return false;
}

} // namespace gatevox
