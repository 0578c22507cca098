#pragma once

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

} // namespace gatevox
