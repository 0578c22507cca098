#pragma once

#include "kernels/Resampler.h"
#include "kernels/SampleHoldEcho.h"

#include <array>

namespace gatevox
{

// The resampler kernels' state objects: one resampler and one echo per slot
// (object s serves both channels of slot s).
struct ResamplerBanks
{
    static constexpr int objectsPerBank = 5;

    std::array<Resampler, objectsPerBank> resamplers{};
    std::array<SampleHoldEcho, objectsPerBank> echoes{};
};

} // namespace gatevox
