#pragma once

#include "kernels/ColorNetwork.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace gatevox
{

// The color networks, two per slot (2s left, 2s + 1 right). They have no
// owner key and are never cleared: a slot that returns to a color kernel
// hears the tail it left. The accessor clamps its index into the bank.
struct ColorBanks
{
    static constexpr int objectCount = 10;

    std::array<ColorNetwork, objectCount> networks{};

    [[nodiscard]] ColorNetwork& network (int i) noexcept
    {
        return networks[static_cast<std::size_t> (std::clamp (i, 0, objectCount - 1))];
    }
};

} // namespace gatevox
