#include "kernels/ResamplerKernels.h"

#include "kernels/KernelCatalogue.h"

#include <algorithm>

namespace gatevox
{

namespace
{
std::size_t objectOf (int slot) noexcept
{
    return static_cast<std::size_t> (std::clamp (slot, 0, ResamplerBanks::objectsPerBank - 1));
}

void resamplerKernel (const KernelContext& c, StereoIn in, StereoOut out) noexcept
{
    auto& resampler = c.banks.resamplers.resamplers[objectOf (c.slot)];
    const auto y = resampleProcess (resampler, in.left, in.right, c.fs, c.eff (kernelParam::rate1));
    const float m = c.eff (kernelParam::mix);
    out.left = blend (in.left, y.left, m);
    out.right = blend (in.right, y.right, m);
}

void sampleHoldKernel (const KernelContext& c, StereoIn in, StereoOut out) noexcept
{
    auto& echo = c.banks.resamplers.echoes[objectOf (c.slot)];
    const auto y =
        sampleHoldProcess (echo, in.left, in.right, c.eff (kernelParam::delay1), c.eff (kernelParam::amount), c.fs);
    const float m = c.eff (kernelParam::mix);
    out.left = blend (in.left, y.left, m);
    out.right = blend (in.right, y.right, m);
}
} // namespace

void addResamplerKernels (KernelTable& table) noexcept
{
    table[kernelId::resampler] = [] (const KernelContext& c, StereoIn in, float, StereoOut out) noexcept
    { resamplerKernel (c, in, out); };
    table[kernelId::sampleHold] = [] (const KernelContext& c, StereoIn in, float, StereoOut out) noexcept
    { sampleHoldKernel (c, in, out); };
}

} // namespace gatevox
