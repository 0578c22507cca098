#pragma once

#include "kernels/FilterBanks.h"
#include "kernels/KernelContext.h"

namespace gatevox
{

// Both channels through biquad sections base (left) and base + 1 (right) with
// the coefficient scratch.
[[nodiscard]] inline StereoPair biquadPair (FilterBanks& banks, int base, StereoPair x, int ownerKey) noexcept
{
    return {biquadProcess (banks.biquad (base), x.left, banks.scratch, ownerKey),
            biquadProcess (banks.biquad (base + 1), x.right, banks.scratch, ownerKey)};
}

// Sets the slot's state-variable filters (objects 2s and 2s + 1) and runs one
// plain step on each channel.
[[nodiscard]] inline StereoPair svfPair (const KernelContext& c, float fc, int mode, float q, float k,
                                         StereoPair x) noexcept
{
    auto& left = c.banks.filters.filter (2 * c.slot);
    auto& right = c.banks.filters.filter (2 * c.slot + 1);
    svfSet (left, c.fs, fc, mode, q, k);
    svfSet (right, c.fs, fc, mode, q, k);
    return {svfProcess (left, x.left), svfProcess (right, x.right)};
}

// The slot's resonators (objects 2s and 2s + 1), retuned when f or r moved.
[[nodiscard]] inline StereoPair resonatorPair (const KernelContext& c, float f, float r, StereoPair x) noexcept
{
    auto& left = c.banks.filters.resonator (2 * c.slot);
    auto& right = c.banks.filters.resonator (2 * c.slot + 1);
    resonatorFollow (left, f, r, c.fs);
    resonatorFollow (right, f, r, c.fs);
    return {resonatorProcess (left, x.left), resonatorProcess (right, x.right)};
}

[[nodiscard]] inline StereoPair pairOf (StereoIn in) noexcept
{
    return {in.left, in.right};
}

// The final blend of both channels with m.
inline void blendInto (StereoOut out, StereoIn in, StereoPair wet, float m) noexcept
{
    out.left = blend (in.left, wet.left, m);
    out.right = blend (in.right, wet.right, m);
}

} // namespace gatevox
