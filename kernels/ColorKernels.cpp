#include "ColorKernels.h"

namespace gatevox
{

bool runColorKernel (const KernelContext&, int, StereoIn, float, StereoOut) noexcept
{
    return false;
}

} // namespace gatevox
