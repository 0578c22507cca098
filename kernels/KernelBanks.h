#pragma once

#include "kernels/ColorBanks.h"
#include "kernels/DelayBanks.h"
#include "kernels/FilterBanks.h"
#include "kernels/FormantBanks.h"
#include "kernels/ModulatorBanks.h"
#include "kernels/ResamplerBanks.h"

#include <array>
#include <cstdint>

namespace gatevox
{

// All kernel state, built with the processor and never reallocated while it
// plays. Each bank holds two objects per slot (2s left, 2s + 1 right) unless
// its kernels say otherwise. Audio thread only.
struct KernelBanks
{
    static constexpr int objectsPerBank = 10;

    FilterBanks filters;
    DelayBanks delays;
    ColorBanks colors;
    FormantBanks formants;
    ResamplerBanks resamplers;
    std::array<ModulatorObject, objectsPerBank> modulators{};
};

} // namespace gatevox
