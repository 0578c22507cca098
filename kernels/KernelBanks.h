#pragma once

#include "kernels/ColorBanks.h"
#include "kernels/DelayBanks.h"
#include "kernels/FilterBanks.h"
#include "kernels/FormantBanks.h"
#include "kernels/ModulatorBanks.h"
#include "kernels/ResamplerBanks.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace gatevox
{

// All kernel state, built with the processor and never reallocated while it
// plays. Each bank holds two objects per slot (2s left, 2s + 1 right) unless
// its kernels say otherwise. Audio thread only.
struct KernelBanks
{
    FilterBanks filters;
    DelayBanks delays;
    ColorBanks colors;
    FormantBanks formants;
    ResamplerBanks resamplers;
    std::array<ModulatorObject, 5> modulators{}; // one per slot, serving both channels

    // Slot s's modulator, s clamped into range.
    [[nodiscard]] ModulatorObject& modulator (int s) noexcept
    {
        return modulators[static_cast<std::size_t> (std::clamp (s, 0, static_cast<int> (modulators.size()) - 1))];
    }
};

} // namespace gatevox
