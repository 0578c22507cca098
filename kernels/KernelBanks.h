#pragma once

#include "DelayBanks.h"
#include "FilterBanks.h"

#include <array>
#include <cstdint>

namespace gatevox
{

// A slot's modulator oscillators: three phase accumulators into the shared
// sine table, each 0 ... 2,399,999. Slot s uses object 2s for both channels.
struct ModulatorObject
{
    std::array<std::int32_t, 3> phase {};
};

// All kernel state, built with the processor and never reallocated while it
// plays. Each bank holds two objects per slot (2s left, 2s + 1 right) unless
// its kernels say otherwise. Audio thread only.
struct KernelBanks
{
    static constexpr int objectsPerBank = 10;

    FilterBanks filters;
    DelayBanks delays;
    std::array<ModulatorObject, objectsPerBank> modulators {};
};

} // namespace gatevox
