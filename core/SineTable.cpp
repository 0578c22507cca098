#include "core/SineTable.h"

namespace gatevox
{

SineTable::SineTable() : values (static_cast<std::size_t> (size))
{
    for (int i = 0; i < size; ++i)
        values[static_cast<std::size_t> (i)] = valueAt (i);
}

const SineTable& SineTable::shared()
{
    static const SineTable table;
    return table;
}

} // namespace gatevox
