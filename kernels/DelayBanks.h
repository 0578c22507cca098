#pragma once

#include "kernels/CombLine.h"
#include "kernels/DelayEngine.h"
#include "kernels/DelayLine.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace gatevox
{

// The comb lines, the delay lines and the delay engines, two per slot (2s
// left, 2s + 1 right); slot s's engine is object 2s alone, driving lines 2s
// and 2s + 1. Built with storage for 48 kHz; prepareDelays sizes it for the
// processor's rate. Every accessor clamps its index into the bank.
struct DelayBanks
{
    static constexpr int objectCount = 10;

    DelayBanks();

    std::array<CombLine, objectCount> combs{};
    std::array<DelayLine, objectCount> lines{};
    std::array<DelayEngine, objectCount> engines{};

    [[nodiscard]] CombLine& comb (int i) noexcept { return combs[at (i)]; }
    [[nodiscard]] DelayLine& line (int i) noexcept { return lines[at (i)]; }
    [[nodiscard]] DelayEngine& engine (int i) noexcept { return engines[at (i)]; }

private:
    [[nodiscard]] static std::size_t at (int i) noexcept
    {
        return static_cast<std::size_t> (std::clamp (i, 0, objectCount - 1));
    }
};

// Sizes every delay buffer for the sample rate; off the audio thread. Buffers
// whose size does not change keep their content; the others start silent.
void prepareDelays (DelayBanks& banks, double sampleRate);

} // namespace gatevox
