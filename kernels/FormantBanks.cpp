#include "kernels/FormantBanks.h"

namespace gatevox
{

void clearFormantMemories (FormantBanks& banks) noexcept
{
    for (auto& filter : banks.filters)
        filter = FormantFilter{};
}

} // namespace gatevox
