#include "modulation/UserWaveStore.h"

namespace gatevox
{

void UserWaveStore::append (const UserWavePoints& points) noexcept
{
    const int index = count();
    if (index >= numUserWaves)
        return;

    auto& target = waves[static_cast<std::size_t> (index)];
    for (std::size_t i = 0; i < points.size(); ++i)
        target.waitingWrite (i, points[i]);
    loaded.store (index + 1, std::memory_order_release);
}

} // namespace gatevox
