#include "kernels/ModulatorKernels.h"

#include "kernels/ChannelPairs.h"
#include "kernels/KernelCatalogue.h"
#include "kernels/PhaseModulator.h"
#include "kernels/RingModulator.h"
#include "kernels/Sweeps.h"
#include "kernels/ThreeToneModulator.h"
#include "kernels/TrackingModulator.h"

#include <algorithm>

namespace gatevox
{

namespace
{
namespace p = kernelParam;

[[nodiscard]] ModulatorObject& modulatorOf (const KernelContext& c) noexcept
{
    return c.banks.modulator (c.slot);
}

[[nodiscard]] StereoPair pairOf (ModulatorSample y) noexcept
{
    return {y.left, y.right};
}

[[nodiscard]] StereoPair threeTone (const KernelContext& c, StereoPair x, float target, double s, int key) noexcept
{
    return pairOf (threeToneProcess (modulatorOf (c), x.left, x.right, target, s, c.fs, key));
}

// The shaped state-variable filters of the slot (objects 2s and 2s + 1).
[[nodiscard]] StereoPair shapedSvfPair (const KernelContext& c, float fc, int mode, float q, float k,
                                        StereoPair x) noexcept
{
    auto& left = c.banks.filters.filter (2 * c.slot);
    auto& right = c.banks.filters.filter (2 * c.slot + 1);
    svfSet (left, c.fs, fc, mode, q, k);
    svfSet (right, c.fs, fc, mode, q, k);
    return {svfProcessShaped (left, x.left), svfProcessShaped (right, x.right)};
}

// "HPF AMDSB" sweeps from Fc - 333 Hz, "HPF AMSSB" from Fc itself.
void hpfAm (const KernelContext& c, StereoIn in, float lfo, StereoOut out, float base, double s, int key) noexcept
{
    const float f0 = std::max (c.eff (p::fc), 333.0f) - base;
    const float fc = sweepDownBySpan (f0, c.eff (p::fmin), lfo);
    const auto high = svfPair (c, fc, svfMode::highPass, 0.3f, 0.111f, pairOf (in));
    blendInto (out, in, threeTone (c, high, c.eff (p::freq1), s, key), c.eff (p::mix));
}

void bpfAm (const KernelContext& c, StereoIn in, float lfo, StereoOut out, int key) noexcept
{
    const float fc = (std::max (c.eff (p::fc), 420.0f) - 420.0f) * lfo + 420.0f;
    const auto band = shapedSvfPair (c, fc, svfMode::bandPass, 0.4f, 0.0f, pairOf (in));
    blendInto (out, in, threeTone (c, band, c.eff (p::freq1), c.eff (p::amount), key), c.eff (p::mix));
}

void ringMod (const KernelContext& c, StereoIn in, StereoOut out) noexcept
{
    const float f = std::max (c.eff (p::fc), 100.0f);
    // A left input that is not a number leaves the outputs as they were, and
    // those are what gets blended.
    if (const auto y = ringProcess (modulatorOf (c), in.left, in.right, f, c.fs))
    {
        out.left = y->left;
        out.right = y->right;
    }
    blendInto (out, in, {out.left, out.right}, c.eff (p::mix));
}

void fmMod (const KernelContext& c, StereoIn in, StereoOut out) noexcept
{
    const float fc = std::max (c.eff (p::fc), 222.0f);
    const auto u = fmProcess (modulatorOf (c), in.left, in.right, fc, c.fs, kernelId::fmMod);
    const auto h = svfPair (c, fc, svfMode::highPass, 0.7071f, 1.0f, pairOf (in));
    const float m = c.eff (p::mix);
    out.left = (h.left + u.left) * m * 0.7071f + (1.0f - m) * in.left;
    out.right = (h.right + u.right) * m * 0.7071f + (1.0f - m) * in.right;
}

void pmMod (const KernelContext& c, StereoIn in, StereoOut out) noexcept
{
    const auto y = pmProcess (modulatorOf (c), in.left, in.right, c.eff (p::fc), c.fs);
    blendInto (out, in, pairOf (y), c.eff (p::mix));
}

// "AM SSB" passes the key of "AM DSB", so switching between them keeps the
// phases and the envelope.
void amDsb (const KernelContext& c, StereoIn in, StereoOut out) noexcept
{
    const auto y = threeTone (c, pairOf (in), c.eff (p::fc), c.eff (p::amount), kernelId::amDsb);
    blendInto (out, in, y, c.eff (p::mix));
}

void amSsb (const KernelContext& c, StereoIn in, StereoOut out) noexcept
{
    const float fc = c.eff (p::fc);
    const auto y = threeTone (c, pairOf (in), fc, c.eff (p::amount), kernelId::amDsb);
    blendInto (out, in, svfPair (c, fc, svfMode::lowPass, 0.7171f, 0.111f, y), c.eff (p::mix));
}
} // namespace

void addModulatorKernels (KernelTable& table) noexcept
{
    namespace id = kernelId;
    table[id::hpfAmDsb] = [] (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
    { hpfAm (c, in, lfo, out, 333.0f, 1.2, id::hpfAmDsb); };
    table[id::hpfAmSsb] = [] (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
    { hpfAm (c, in, lfo, out, 0.0f, 1.5, id::hpfAmSsb); };
    table[id::bpfAmDsb] = [] (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
    { bpfAm (c, in, lfo, out, id::bpfAmDsb); };
    table[id::bpfAmSsb] = [] (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
    { bpfAm (c, in, lfo, out, id::bpfAmSsb); };
    table[id::ringMod] = [] (const KernelContext& c, StereoIn in, float, StereoOut out) noexcept
    { ringMod (c, in, out); };
    table[id::fmMod] = [] (const KernelContext& c, StereoIn in, float, StereoOut out) noexcept { fmMod (c, in, out); };
    table[id::pmMod] = [] (const KernelContext& c, StereoIn in, float, StereoOut out) noexcept { pmMod (c, in, out); };
    table[id::amDsb] = [] (const KernelContext& c, StereoIn in, float, StereoOut out) noexcept { amDsb (c, in, out); };
    table[id::amSsb] = [] (const KernelContext& c, StereoIn in, float, StereoOut out) noexcept { amSsb (c, in, out); };
}

} // namespace gatevox
