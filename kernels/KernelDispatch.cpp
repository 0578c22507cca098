#include "kernels/KernelDispatch.h"

#include "core/ModelSizes.h"
#include "kernels/ColorKernels.h"
#include "kernels/DelayKernels.h"
#include "kernels/FilterKernels.h"
#include "kernels/FormantKernels.h"
#include "kernels/KernelTable.h"
#include "kernels/ModulatorKernels.h"
#include "kernels/ResamplerKernels.h"
#include "kernels/ShortKernels.h"

namespace gatevox
{

namespace
{
void passThrough (const KernelContext&, StereoIn in, float, StereoOut out) noexcept
{
    out.left = in.left;
    out.right = in.right;
}

void silence (const KernelContext&, StereoIn, float, StereoOut out) noexcept
{
    out.left = 0.0f;
    out.right = 0.0f;
}

// "BYPASS" and any id no family claims pass the input through.
KernelTable makeKernelTable() noexcept
{
    KernelTable table{};
    table.fill (passThrough);
    table[kernelId::tremolo] = tremoloKernel;
    table[kernelId::stereoPan] = stereoPanKernel;
    table[kernelId::amMod] = [] (const KernelContext& c, StereoIn in, float, StereoOut out) noexcept
    { amModKernel (c, in, out); };
    table[kernelId::silence] = silence;
    addFilterKernels (table);
    addDelayKernels (table);
    addColorKernels (table);
    addModulatorKernels (table);
    addFormantKernels (table);
    addResamplerKernels (table);
    return table;
}

const KernelTable kernelTable = makeKernelTable();
} // namespace

void dispatchKernel (const KernelContext& context, int kernelId, StereoIn in, float lfo, StereoOut out) noexcept
{
    if (context.slot < 0 || context.slot >= numSlots || kernelId < 0 || kernelId >= numKernels)
    {
        passThrough (context, in, lfo, out);
        return;
    }

    kernelTable[static_cast<std::size_t> (kernelId)](context, in, lfo, out);
}

} // namespace gatevox
