#pragma once

#include "core/KernelParamStore.h"
#include "kernels/KernelBanks.h"

namespace gatevox
{

// What one kernel call sees: the slot's parameters, the state banks and the
// sample rate.
struct KernelContext
{
    const KernelParamStore& params;
    KernelBanks& banks;
    float fs;
    int slot; // 0-4

    [[nodiscard]] float eff (std::size_t k) const noexcept { return params.effective (k); }
    [[nodiscard]] float raw (std::size_t k) const noexcept { return params.value.read (k); }
};

// One stereo sample in and out of a kernel.
struct StereoIn
{
    float left;
    float right;
};

struct StereoOut
{
    float& left;
    float& right;
};

// The blend most kernels end with: (1 - m) x dry + m x wet.
[[nodiscard]] inline float blend (float dry, float wet, float m) noexcept
{
    return (1.0f - m) * dry + m * wet;
}

} // namespace gatevox
