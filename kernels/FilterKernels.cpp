#include "kernels/FilterKernels.h"

#include "kernels/ChannelPairs.h"
#include "kernels/KernelCatalogue.h"
#include "kernels/ShaperKernels.h"
#include "kernels/Sweeps.h"

namespace gatevox
{

namespace
{
namespace p = kernelParam;

// Both low-pass biquad kernels use owner key 0, so where their sections
// overlap across slots they share history.
void lpf12dB (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    auto& banks = c.banks.filters;
    const float fc = sweepDown (c.eff (p::fc), c.eff (p::fmin), lfo);
    banks.scratch = designLowPass (fc, c.eff (p::q), c.fs);
    blendInto (out, in, biquadPair (banks, 7 * c.slot, pairOf (in), 0), c.eff (p::mix));
}

void lpf24dB (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    auto& banks = c.banks.filters;
    const float fc = sweepDown (c.eff (p::fc), c.eff (p::fmin), lfo);
    banks.scratch = designLowPassOnChange (banks.lowPassDesign (c.slot), fc, c.eff (p::q), c.fs);
    const int base = 4 * c.slot;
    const StereoPair first{biquadProcess (banks.biquad (base), in.left, banks.scratch, 0),
                           biquadProcess (banks.biquad (base + 2), in.right, banks.scratch, 0)};
    const StereoPair wet{biquadProcess (banks.biquad (base + 1), first.left, banks.scratch, 0),
                         biquadProcess (banks.biquad (base + 3), first.right, banks.scratch, 0)};
    blendInto (out, in, wet, c.eff (p::mix));
}

void hpf12dB (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    auto& banks = c.banks.filters;
    const float fc = sweepDownBySpan (c.eff (p::fc), c.eff (p::fmin), lfo);
    banks.scratch = designHighPass (fc, c.eff (p::q), c.fs);
    blendInto (out, in, biquadPair (banks, 7 * c.slot, pairOf (in), kernelId::hpf12dB), c.eff (p::mix));
}

void hpf24dB (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    constexpr int key = kernelId::hpf24dB;
    auto& banks = c.banks.filters;
    const float fc = sweepDownBySpan (c.eff (p::fc), c.eff (p::fmin), lfo);
    banks.scratch = designHighPass (fc, c.eff (p::q), c.fs);
    const int base = 7 * c.slot;
    const StereoPair first{biquadProcess (banks.biquad (base), in.left, banks.scratch, key),
                           biquadProcess (banks.biquad (base + 2), in.right, banks.scratch, key)};
    const StereoPair wet{biquadProcess (banks.biquad (base + 1), first.left, banks.scratch, key),
                         biquadProcess (banks.biquad (base + 3), first.right, banks.scratch, key)};
    blendInto (out, in, wet, c.eff (p::mix));
}

void lpfSvf1 (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    const float fc = sweepDown (c.eff (p::fc), c.eff (p::fmin), lfo);
    blendInto (out, in, svfPair (c, fc, svfMode::lowPass, c.eff (p::q), 1.0f, pairOf (in)), c.eff (p::mix));
}

void hpfSvf1 (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    const float fc = sweepDownBySpan (c.eff (p::fc), c.eff (p::fmin), lfo);
    const float damping = 1.5f - 1.5f * c.eff (p::res);
    blendInto (out, in, svfPair (c, fc, svfMode::highPass, damping, 0.111f, pairOf (in)), c.eff (p::mix));
}

void peakSvf (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    const float fc = c.eff (p::fc) * lfo;
    blendInto (out, in, svfPair (c, fc, svfMode::peak, c.eff (p::q), 1.0f, pairOf (in)), c.eff (p::mix));
}

void bpfSvf1 (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    const float fc = c.eff (p::fc) * lfo;
    blendInto (out, in, svfPair (c, fc, svfMode::bandPass, c.eff (p::q), 0.0f, pairOf (in)), c.eff (p::mix));
}

// Peaking section with q = 1000 Hz, so the quality is fs / 1000. The design
// replaces every field of the scratch, clearing what it held.
void peakingKernel (const KernelContext& c, StereoIn in, float fc, float gain, int key, StereoOut out) noexcept
{
    auto& banks = c.banks.filters;
    banks.scratch = designPeak (fc, gain, 1000.0f, c.fs);
    blendInto (out, in, biquadPair (banks, 7 * c.slot, pairOf (in), key), c.eff (p::mix));
}

// With a gain of -6 the section inverts and amplifies a narrow band; blended
// with the dry signal it becomes a cut.
void notch (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    const float fc = sweepDownBySpan (c.eff (p::fc), c.eff (p::fmin), lfo);
    peakingKernel (c, in, fc, -6.0f, kernelId::notch, out);
}

// Frequency and gain are read without the envelope's factor.
void peakBiquad (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    const float fc = sweepDownBySpan (c.raw (p::fc), c.eff (p::fmin), lfo);
    peakingKernel (c, in, fc, c.raw (p::gain), kernelId::peakBiquad, out);
}

// Each channel's pair blends and limits by itself.
void bpfThin (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    auto& banks = c.banks.filters;
    const float fc = c.eff (p::fc) * lfo;
    const float bw = c.eff (p::bw);
    const float q = c.eff (p::q);
    const float m = c.eff (p::mix);
    auto& left = banks.bandPass (2 * c.slot);
    auto& right = banks.bandPass (2 * c.slot + 1);
    out.left = bandPassPair (left, in.left, fc, bw, q, m, c.fs);
    adoptDesign (right, left, fc, bw, q, c.fs);
    out.right = bandPassPair (right, in.right, fc, bw, q, m, c.fs);
}

void resonator (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    const float f = sweepAbove (c.eff (p::freq1), c.eff (p::freq2), lfo);
    blendInto (out, in, resonatorPair (c, f, c.eff (p::q), pairOf (in)), c.eff (p::mix));
}
} // namespace

void addFilterKernels (KernelTable& table) noexcept
{
    namespace id = kernelId;
    table[id::lpf12dB] = lpf12dB;
    table[id::lpf24dB] = lpf24dB;
    table[id::lpfSvf1] = lpfSvf1;
    table[id::lpfFuzz] = lpfFuzzKernel;
    table[id::lpfGrunge] = lpfGrungeKernel;
    table[id::hpfSvf1] = hpfSvf1;
    table[id::hpfFuzz] = hpfFuzzKernel;
    table[id::hpfGrunge] = hpfGrungeKernel;
    table[id::hpf12dB] = hpf12dB;
    table[id::hpf24dB] = hpf24dB;
    table[id::notch] = notch;
    table[id::peakSvf] = peakSvf;
    table[id::peakBiquad] = peakBiquad;
    table[id::bpfSvf1] = bpfSvf1;
    table[id::bpfExcited] = bpfExcitedKernel;
    table[id::bpfGrunge] = bpfGrungeKernel;
    table[id::bpfThin] = bpfThin;
    table[id::resonator] = resonator;
    table[id::distort] = [] (const KernelContext& c, StereoIn in, float, StereoOut out) noexcept
    { distortKernel (c, in, out); };
    table[id::distort2] = [] (const KernelContext& c, StereoIn in, float, StereoOut out) noexcept
    { distort2Kernel (c, in, out); };
    table[id::distort3] = [] (const KernelContext& c, StereoIn in, float, StereoOut out) noexcept
    { distort3Kernel (c, in, out); };
}

} // namespace gatevox
