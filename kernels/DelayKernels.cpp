#include "kernels/DelayKernels.h"

#include "kernels/ChannelPairs.h"
#include "kernels/DelayBanks.h"
#include "kernels/KernelCatalogue.h"
#include "kernels/Sweeps.h"

namespace gatevox
{

namespace
{
namespace p = kernelParam;

// The nonlinearity the doubler and slapback kernels hand their filters; the
// plain filter step does not use it.
constexpr float filterNonlinearity = 0.111f;

// Fc x Fmin + Fc x (1 - Fmin) x lfo: Fc x Fmin at lfo 0, Fc at lfo 1.
float sweepUp (float fc, float fmin, float lfo) noexcept
{
    return fc * fmin + fc * (1.0f - fmin) * lfo;
}

// Both channels through the slot's comb lines, then through biquad sections
// 7s and 7s + 1 with the design the caller wrote to the scratch (owner key 0).
StereoPair combThenBiquad (const KernelContext& c, StereoIn in, float lfo) noexcept
{
    auto& delays = c.banks.delays;
    const StereoPair combed{
        combProcess (delays.comb (2 * c.slot), in.left, lfo, CombLine::kernelWidth, CombLine::kernelCentre, c.fs),
        combProcess (delays.comb (2 * c.slot + 1), in.right, lfo, CombLine::kernelWidth, CombLine::kernelCentre, c.fs)};
    return biquadPair (c.banks.filters, 7 * c.slot, combed, 0);
}

void lpfComb (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    const float fc = sweepDown (c.eff (p::fc), c.eff (p::fmin), lfo);
    c.banks.filters.scratch = designLowPass (fc, c.eff (p::q), c.fs);
    blendInto (out, in, combThenBiquad (c, in, lfo), c.eff (p::mix));
}

void hpfComb (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    const float fc = sweepDownBySpan (c.eff (p::fc), c.eff (p::fmin), lfo);
    c.banks.filters.scratch = designHighPass (fc, c.eff (p::q), c.fs);
    blendInto (out, in, combThenBiquad (c, in, lfo), c.eff (p::mix));
}

// The slot's delay engine (object 2s) on lines 2s and 2s + 1, with r = Delay1.
StereoPair delayed (const KernelContext& c, StereoPair x, float s, float lfo, int key, bool slapback) noexcept
{
    auto& delays = c.banks.delays;
    const auto y = engineProcess (delays.engine (2 * c.slot), delays.line (2 * c.slot), delays.line (2 * c.slot + 1),
                                  x.left, x.right, c.eff (p::delay1), s, lfo, c.eff (p::feedback), c.fs, key, slapback);
    return {y.left, y.right};
}

// (1 - share) x dry + share x delayed on each channel.
StereoPair mixIn (StereoPair dry, StereoPair d, float share) noexcept
{
    return {(1.0f - share) * dry.left + share * d.left, (1.0f - share) * dry.right + share * d.right};
}

void lpfDoubler (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    const float m = c.eff (p::mix);
    const float fc = sweepUp (c.eff (p::fc), c.eff (p::fmin), lfo);
    const StereoPair v = svfPair (c, fc, svfMode::lowPass, 0.333f, filterNonlinearity, pairOf (in));
    const StereoPair d = delayed (c, v, 0.4f, lfo, kernelId::lpfDoubler, true);
    const float share = 0.3f * m;
    blendInto (out, in, {share * d.left + (1.0f - share) * v.left, share * d.right + (1.0f - share) * v.right}, m);
}

void lpfSlapback (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    const float m = c.eff (p::mix);
    const float fc = sweepUp (c.eff (p::fc), c.eff (p::fmin), lfo);
    const StereoPair d = delayed (c, pairOf (in), 0.4f * c.eff (p::delay1), lfo, kernelId::lpfSlapback, true);
    blendInto (out, in,
               svfPair (c, fc, svfMode::lowPass, 0.7071f, filterNonlinearity, mixIn (pairOf (in), d, 0.4f * m)), m);
}

// The high-pass doubler and slapback: delay engine, a share of the delayed
// signal mixed into the dry one, swept state-variable high-pass.
void hpfDelay (const KernelContext& c, StereoIn in, float lfo, StereoOut out, float s, float share, int key) noexcept
{
    const float m = c.eff (p::mix);
    const float fc = sweepDownBySpan (c.eff (p::fc), c.eff (p::fmin), lfo);
    const StereoPair d = delayed (c, pairOf (in), s, lfo, key, true);
    blendInto (out, in,
               svfPair (c, fc, svfMode::highPass, 0.3345f, filterNonlinearity, mixIn (pairOf (in), d, share * m)), m);
}

void delayOnly (const KernelContext& c, StereoIn in, float lfo, StereoOut out, float s, int key, bool slapback) noexcept
{
    blendInto (out, in, delayed (c, pairOf (in), s, lfo, key, slapback), c.eff (p::mix));
}
} // namespace

void addDelayKernels (KernelTable& table) noexcept
{
    namespace id = kernelId;
    table[id::lpfComb] = lpfComb;
    table[id::hpfComb] = hpfComb;
    table[id::lpfDoubler] = lpfDoubler;
    table[id::lpfSlapback] = lpfSlapback;
    table[id::hpfDoubler] = [] (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
    { hpfDelay (c, in, lfo, out, 0.4f, 0.4f, id::hpfDoubler); };
    table[id::hpfSlapback] = [] (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
    { hpfDelay (c, in, lfo, out, 0.4f * c.eff (p::delay1), 0.3f, id::hpfSlapback); };
    table[id::delayMod] = [] (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
    { delayOnly (c, in, lfo, out, c.eff (p::width), id::delayMod, false); };
    table[id::vibrato] = [] (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
    { delayOnly (c, in, lfo, out, c.eff (p::width), id::vibrato, false); };
    table[id::slapback] = [] (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
    { delayOnly (c, in, lfo, out, c.eff (p::width) * c.eff (p::delay1), id::slapback, true); };
}

} // namespace gatevox
