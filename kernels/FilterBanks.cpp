#include "kernels/FilterBanks.h"

namespace gatevox
{

void clearFilterMemories (FilterBanks& banks) noexcept
{
    for (auto& section : banks.biquads)
        clearHistory (section);
    for (auto& filter : banks.filters)
        clearHistory (filter);
    for (auto& shaper : banks.shapers)
        clearHistory (shaper);
}

} // namespace gatevox
