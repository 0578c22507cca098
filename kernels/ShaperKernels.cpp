#include "kernels/ShaperKernels.h"

#include "kernels/ChannelPairs.h"
#include "kernels/KernelCatalogue.h"
#include "kernels/Sweeps.h"

namespace gatevox
{

namespace
{
namespace p = kernelParam;

constexpr float grungeLimit = 0.7f;

[[nodiscard]] ShaperObject& shaperOf (const KernelContext& c) noexcept
{
    return c.banks.filters.shaper (2 * c.slot);
}

[[nodiscard]] StereoPair grungeOf (const KernelContext& c, StereoPair x, int ownerKey) noexcept
{
    return grungeShape (shaperOf (c), x.left, x.right, grungeLimit, ownerKey);
}

// drive x shaped + (1 - drive) x plain, per channel.
[[nodiscard]] StereoPair driven (StereoPair shaped, StereoPair plain, float drive) noexcept
{
    return {drive * shaped.left + (1.0f - drive) * plain.left, drive * shaped.right + (1.0f - drive) * plain.right};
}
} // namespace

void lpfFuzzKernel (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    const float drive = c.eff (p::drive);
    const float fc = sweepDown (c.eff (p::fc), c.eff (p::fmin), lfo);
    const auto v = svfPair (c, fc, svfMode::lowPass, c.eff (p::q), drive, pairOf (in));
    blendInto (out, in, fuzzShape (shaperOf (c), v.left, v.right, drive), c.eff (p::mix));
}

void hpfFuzzKernel (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    const float fc = sweepDownBySpan (c.eff (p::fc), c.eff (p::fmin), lfo);
    const float damping = 1.5f - 1.5f * c.eff (p::res);
    const auto v = svfPair (c, fc, svfMode::highPass, damping, 0.111f, pairOf (in));
    blendInto (out, in, fuzzShape (shaperOf (c), v.left, v.right, c.eff (p::drive)), c.eff (p::mix));
}

void lpfGrungeKernel (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    auto& banks = c.banks.filters;
    const auto v = driven (grungeOf (c, pairOf (in), kernelId::lpfGrunge), pairOf (in), c.eff (p::drive));
    const float fc = sweepDown (c.eff (p::fc), c.eff (p::fmin), lfo);
    banks.scratch = designLowPass (fc, c.eff (p::q), c.fs);
    blendInto (out, in, biquadPair (banks, 7 * c.slot, v, kernelId::lpfGrunge), c.eff (p::mix));
}

void hpfGrungeKernel (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    const auto v = driven (grungeOf (c, pairOf (in), kernelId::hpfGrunge), pairOf (in), c.eff (p::drive));
    const float fc = sweepDownBySpan (c.eff (p::fc), c.eff (p::fmin), lfo);
    const float damping = 1.5f - 1.5f * c.eff (p::res);
    blendInto (out, in, svfPair (c, fc, svfMode::highPass, damping, 0.111f, v), c.eff (p::mix));
}

void bpfGrungeKernel (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    const float fc = sweepAbove (100.0f, c.eff (p::fc), lfo);
    const auto v = svfPair (c, fc, svfMode::bandPass, c.eff (p::q), 0.0f, pairOf (in));
    const auto wet = driven (grungeOf (c, v, kernelId::bpfGrunge), v, c.eff (p::drive));
    blendInto (out, in, wet, c.eff (p::mix));
}

// Band-passed input plus a resonator tuned from 2200 Hz (lfo 0) to 8000 Hz
// (lfo 1), with a trace (10^-1.6) of the grunge shaper on top.
void bpfExcitedKernel (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    const float fc = c.eff (p::fc) * lfo;
    const auto v = svfPair (c, fc, svfMode::bandPass, c.eff (p::q), 0.0f, pairOf (in));
    const auto r = resonatorPair (c, 5800.0f * lfo + 2200.0f, 0.9f, pairOf (in));
    const auto g = grungeOf (c, pairOf (in), kernelId::bpfExcited);
    const StereoPair wet{(v.left + r.left + g.left * 0.025119f) * 0.5f,
                         (v.right + r.right + g.right * 0.025119f) * 0.5f};
    blendInto (out, in, wet, c.eff (p::mix));
}

void distortKernel (const KernelContext& c, StereoIn in, StereoOut out) noexcept
{
    blendInto (out, in, fuzzShape (shaperOf (c), in.left, in.right, c.eff (p::drive)), c.eff (p::mix));
}

void distort2Kernel (const KernelContext& c, StereoIn in, StereoOut out) noexcept
{
    blendInto (out, in, grungeOf (c, pairOf (in), kernelId::distort2), c.eff (p::drive));
}

// A left input that is not a number leaves the outputs as the caller had
// them, and that is what gets blended.
void distort3Kernel (const KernelContext& c, StereoIn in, StereoOut out) noexcept
{
    StereoPair wet{out.left, out.right};
    rectifierFilter (shaperOf (c), in.left, in.right, wet.left, wet.right);
    blendInto (out, in, wet, c.eff (p::drive));
}

} // namespace gatevox
