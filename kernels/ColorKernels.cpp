#include "kernels/ColorKernels.h"

#include "kernels/ChannelPairs.h"
#include "kernels/KernelCatalogue.h"
#include "kernels/Sweeps.h"

#include <cmath>

namespace gatevox
{

namespace
{
namespace p = kernelParam;

// v raised to at least floor; a value that is not a number lands on the floor.
[[nodiscard]] float atLeast (float v, float floor) noexcept
{
    return v >= floor ? v : floor;
}

// The state-variable output through the slot's color networks and the
// gentle low-passes s and s + 1, then the final blend on Mix.
void colorChain (const KernelContext& c, StereoIn in, StereoPair filtered, int ownerKey, StereoOut out) noexcept
{
    const float amount = c.eff (p::color);
    auto& colors = c.banks.colors;
    const StereoPair colored{colorProcess (colors.network (2 * c.slot), filtered.left, amount),
                             colorProcess (colors.network (2 * c.slot + 1), filtered.right, amount)};

    // A huge color amount could overflow the low-pass; it then starts afresh
    // rather than hold a non-finite history.
    const auto smooth = [&] (int i, float x) noexcept
    {
        auto& lowPass = c.banks.filters.gentleLowPass (i);
        const float y = gentleLowPass (lowPass, x, ownerKey);
        if (std::isfinite (y))
            return y;
        lowPass.x1 = lowPass.y1 = 0.0f;
        return 0.0f;
    };
    blendInto (out, in, {smooth (c.slot, colored.left), smooth (c.slot + 1, colored.right)}, c.eff (p::mix));
}

void lpfColor (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    const float fc = atLeast (sweepDown (c.eff (p::fc), c.eff (p::fmin), lfo), 10.0f);
    colorChain (c, in, svfPair (c, fc, svfMode::lowPass, 0.5f, 1.0f, pairOf (in)), kernelId::lpfColor, out);
}

void hpfColor (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    const float start = atLeast (c.eff (p::fc), 100.0f);
    const float fc = sweepDownBySpan (start, c.eff (p::fmin), lfo);
    colorChain (c, in, svfPair (c, fc, svfMode::highPass, 0.777f, 1.0f, pairOf (in)), kernelId::hpfColor, out);
}
} // namespace

void addColorKernels (KernelTable& table) noexcept
{
    table[kernelId::lpfColor] = lpfColor;
    table[kernelId::hpfColor] = hpfColor;
}

} // namespace gatevox
