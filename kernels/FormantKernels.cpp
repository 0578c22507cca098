#include "kernels/FormantKernels.h"

#include "core/SafeMath.h"
#include "kernels/ChannelPairs.h"
#include "kernels/KernelCatalogue.h"
#include "kernels/Sweeps.h"
#include "kernels/ThreeToneModulator.h"

#include <algorithm>
#include <cstddef>

namespace gatevox
{

namespace
{
namespace p = kernelParam;

// The raw Vowel value in thirds: below 1/3 vowel 0 ... exactly 1 vowel 3.
[[nodiscard]] int vowelOf (float raw) noexcept
{
    return std::clamp (truncToInt (raw * 3.0f), 0, 3);
}

// From 333 Hz at lfo 0 up to Fc (no lower than 333 Hz) at lfo 1.
[[nodiscard]] float formantCutoff (float fc, float lfo) noexcept
{
    return sweepAbove (333.0f, fc >= 333.0f ? fc : 333.0f, lfo);
}

// Both channels through the slot's formant filters (objects 2s and 2s + 1).
[[nodiscard]] StereoPair formantPair (const KernelContext& c, StereoIn in, int vowel, float lfo, float mix) noexcept
{
    const float fc = formantCutoff (c.eff (p::fc), lfo);
    auto& left = c.banks.formants.filter (2 * c.slot);
    auto& right = c.banks.formants.filter (2 * c.slot + 1);
    const float outLeft = formantProcess (left, in.left, vowel, lfo, mix, fc, c.fs);
    return {outLeft, formantProcess (right, in.right, vowel, lfo, mix, fc, c.fs, &left)};
}

void formant (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    const auto y = formantPair (c, in, vowelOf (c.raw (p::vowel)), lfo, c.eff (p::mix));
    out.left = 1.333f * y.left;
    out.right = 1.333f * y.right;
}

// The formant output of vowel 1 through the slot's three-tone modulator
// (both channels).
[[nodiscard]] StereoPair modulatedFormant (const KernelContext& c, StereoPair f, int ownerKey) noexcept
{
    auto& modulator = c.banks.modulator (c.slot);
    const auto u = threeToneProcess (modulator, f.left, f.right, c.eff (p::freq1), c.eff (p::amount), c.fs, ownerKey);
    return {u.left, u.right};
}

// m x 1.333 x wet + (1 - m) x the formant output.
void blendAgainstFormant (StereoOut out, StereoPair f, StereoPair wet, float m) noexcept
{
    out.left = m * 1.333f * wet.left + (1.0f - m) * f.left;
    out.right = m * 1.333f * wet.right + (1.0f - m) * f.right;
}

void formantAmDsb (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    const float m = c.eff (p::mix);
    const auto f = formantPair (c, in, 1, lfo, m);
    blendAgainstFormant (out, f, modulatedFormant (c, f, kernelId::formantAmDsb), m);
}

void formantAmSsb (const KernelContext& c, StereoIn in, float lfo, StereoOut out) noexcept
{
    const float m = c.eff (p::mix);
    const auto f = formantPair (c, in, 1, lfo, m);
    const auto u = modulatedFormant (c, f, kernelId::formantAmSsb);
    const float fc = formantCutoff (c.eff (p::fc), lfo);
    auto& left = c.banks.filters.filter (2 * c.slot);
    auto& right = c.banks.filters.filter (2 * c.slot + 1);
    svfSet (left, c.fs, fc, svfMode::lowPass, 1.7071f, 1.0f);
    svfSet (right, c.fs, fc, svfMode::lowPass, 1.7071f, 1.0f);
    blendAgainstFormant (out, f, {svfProcess (left, u.left), svfProcess (right, u.right)}, m);
}
} // namespace

void addFormantKernels (KernelTable& table) noexcept
{
    table[kernelId::formant] = formant;
    table[kernelId::formantAmDsb] = formantAmDsb;
    table[kernelId::formantAmSsb] = formantAmSsb;
}

} // namespace gatevox
