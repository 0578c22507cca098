#pragma once

#include "kernels/FormantFilter.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace gatevox
{

// The formant filters, two per slot (2s left, 2s + 1 right). The accessor
// clamps its index into the bank.
struct FormantBanks
{
    static constexpr int objectCount = 10;

    std::array<FormantFilter, objectCount> filters{};

    [[nodiscard]] FormantFilter& filter (int i) noexcept
    {
        return filters[static_cast<std::size_t> (std::clamp (i, 0, objectCount - 1))];
    }
};

// Clears the running state that prepare-to-play resets: the filters, the
// vowel stages, the band-pass pairs and the normalisers. The design is
// forgotten too, so the next sample designs its vowel for the prepared rate.
void clearFormantMemories (FormantBanks& banks) noexcept;

} // namespace gatevox
