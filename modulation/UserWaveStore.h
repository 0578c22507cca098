#pragma once

#include "UserWaveFile.h"
#include "../core/Guarded.h"

#include <atomic>

namespace gatevox
{

// The user waveforms, filled at construction in file order ("wave1.vlw" first).
// Each wave is a guarded block of 1024 points written with the waiting write.
class UserWaveStore
{
public:
    using Wave = GuardedBlock<double, userWavePoints>;

    // Appends one wave; a store that already holds eight ignores the call.
    void append (const UserWavePoints& points) noexcept;

    [[nodiscard]] int count() const noexcept { return loaded.load (std::memory_order_acquire); }
    [[nodiscard]] const Wave& wave (int index) const noexcept { return waves[static_cast<std::size_t> (index)]; }

private:
    std::array<Wave, numUserWaves> waves {};
    std::atomic<int> loaded { 0 };
};

} // namespace gatevox
