#include "kernels/KernelDispatch.h"

#include "core/ModelSizes.h"
#include "kernels/ColorKernels.h"
#include "kernels/DelayKernels.h"
#include "kernels/FilterKernels.h"
#include "kernels/FormantKernels.h"
#include "kernels/KernelCatalogue.h"
#include "kernels/ModulatorKernels.h"
#include "kernels/ResamplerKernels.h"
#include "kernels/ShortKernels.h"

namespace gatevox
{

namespace
{
void passThrough (StereoIn in, StereoOut out) noexcept
{
    out.left = in.left;
    out.right = in.right;
}
} // namespace

void dispatchKernel (const KernelContext& context, int kernelId, StereoIn in, float lfo, StereoOut out) noexcept
{
    if (context.slot < 0 || context.slot >= numSlots)
    {
        passThrough (in, out);
        return;
    }

    switch (kernelId)
    {
    case kernelId::tremolo:
        tremoloKernel (context, in, lfo, out);
        return;
    case kernelId::stereoPan:
        stereoPanKernel (context, in, lfo, out);
        return;
    case kernelId::amMod:
        amModKernel (context, in, out);
        return;
    case kernelId::silence:
        out.left = 0.0f;
        out.right = 0.0f;
        return;

    default:
        if (runFilterKernel (context, kernelId, in, lfo, out) || runDelayKernel (context, kernelId, in, lfo, out) ||
            runColorKernel (context, kernelId, in, lfo, out) || runModulatorKernel (context, kernelId, in, lfo, out) ||
            runFormantKernel (context, kernelId, in, lfo, out) || runResamplerKernel (context, kernelId, in, lfo, out))
            return;

        // "BYPASS", ids outside the catalogue, and the kernels whose
        // building blocks are not in yet.
        passThrough (in, out);
        return;
    }
}

} // namespace gatevox
