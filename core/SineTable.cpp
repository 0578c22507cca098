#include "core/SineTable.h"

#include <cmath>

namespace gatevox
{

SineTable::SineTable() : values (static_cast<std::size_t> (size))
{
    constexpr float twoPi = 6.2831855f;
    for (int i = 0; i < size; ++i)
        values[static_cast<std::size_t> (i)] = std::sin (static_cast<float> (i) * twoPi / static_cast<float> (size));
}

const SineTable& SineTable::shared()
{
    static const SineTable table;
    return table;
}

} // namespace gatevox
