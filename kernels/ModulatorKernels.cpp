#include "ModulatorKernels.h"

namespace gatevox
{

bool runModulatorKernel (const KernelContext&, int, StereoIn, float, StereoOut) noexcept
{
    return false;
}

} // namespace gatevox
