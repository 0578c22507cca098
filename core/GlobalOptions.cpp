#include "core/GlobalOptions.h"

#include "core/SafeMath.h"

namespace gatevox
{

bool GlobalOptions::change (Option o, float v) noexcept
{
    if (counter.isRaised())
        return false;

    auto& entry = options[o];
    entry.value.keepCurrentAsPrevious();
    entry.integer.keepCurrentAsPrevious();
    counter.raise();
    entry.value.current.store (v, std::memory_order_relaxed);
    entry.integer.current.store (truncToInt (v), std::memory_order_relaxed);
    counter.drain();
    entry.value.keepCurrentAsPrevious();
    entry.integer.keepCurrentAsPrevious();
    return true;
}

} // namespace gatevox
