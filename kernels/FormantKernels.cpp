#include "FormantKernels.h"

namespace gatevox
{

bool runFormantKernel (const KernelContext&, int, StereoIn, float, StereoOut) noexcept
{
    return false;
}

} // namespace gatevox
