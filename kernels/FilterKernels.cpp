#include "FilterKernels.h"
#include "FilterBanks.h"

namespace gatevox
{

bool runFilterKernel (const KernelContext&, int, StereoIn, float, StereoOut) noexcept
{
    return false;
}

void clearFilterMemories (FilterBanks&) noexcept
{
}

} // namespace gatevox
