#pragma once

#include "core/Guarded.h"
#include "modulation/OnePole.h"
#include "modulation/UserWaveFile.h"

#include <algorithm>
#include <atomic>

namespace gatevox
{

// The user waveforms, filled at construction in file order ("wave1.vlw" first).
// Each wave is a guarded block of 1024 points written with the waiting write.
// The store also owns the one-pole record that all base-wave generators use.
class UserWaveStore
{
public:
    using Wave = GuardedBlock<double, userWavePoints>;

    // Appends one wave; a store that already holds eight ignores the call.
    void append (const UserWavePoints& points) noexcept;

    [[nodiscard]] int count() const noexcept { return loaded.load (std::memory_order_acquire); }
    // Wave `index`, clamped into 0-7.
    [[nodiscard]] const Wave& wave (int index) const noexcept
    {
        return waves[static_cast<std::size_t> (std::clamp (index, 0, numUserWaves - 1))];
    }

    [[nodiscard]] SharedOnePole& smoother() noexcept { return generatorSmoother; }

private:
    std::array<Wave, numUserWaves> waves{};
    std::atomic<int> loaded{0};
    SharedOnePole generatorSmoother;
};

} // namespace gatevox
