#pragma once

#include "ColorBanks.h"
#include "DelayBanks.h"
#include "FilterBanks.h"
#include "FormantBanks.h"
#include "ModulatorBanks.h"
#include "ResamplerBanks.h"

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
