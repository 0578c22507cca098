#include "DelayKernels.h"
#include "DelayBanks.h"

namespace gatevox
{

bool runDelayKernel (const KernelContext&, int, StereoIn, float, StereoOut) noexcept
{
    return false;
}

void prepareDelays (DelayBanks&, double)
{
}

} // namespace gatevox
