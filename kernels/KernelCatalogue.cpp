#include "kernels/KernelCatalogue.h"

#include <algorithm>
#include <cmath>

namespace gatevox
{

namespace
{
template <std::size_t N> int positionOf (const std::array<std::string_view, N>& list, std::string_view name) noexcept
{
    const auto found = std::find (list.begin(), list.end(), name);
    return found == list.end() ? -1 : static_cast<int> (found - list.begin());
}
} // namespace

int kernelIdOfName (std::string_view name) noexcept
{
    return positionOf (kernelNames, name);
}

int parameterIndexOfName (std::string_view name) noexcept
{
    return positionOf (kernelParameterNames, name);
}

std::string_view kernelNameOfId (int id) noexcept
{
    if (id < 0 || id >= numKernels)
        id = kernelId::bypass;
    return kernelNames[static_cast<std::size_t> (id)];
}

std::string kernelKey (std::string_view name)
{
    std::string key (name);
    key.erase (std::remove (key.begin(), key.end(), ' '), key.end());
    return key;
}

float valueOfNormalisedPosition (const KernelParamStore& store, std::size_t k, float v) noexcept
{
    k = std::min (k, KernelParamStore::Block::size - 1);
    const float lowest = store.minimum.read (k);
    const float highest = store.maximum.read (k);
    const float span = highest - lowest;
    if (std::isfinite (span))
        return lowest + v * span;

    // A span past the float range (Min -3e38, Max 3e38) is weighed from both
    // ends instead: the two products have opposite signs, so their sum cannot
    // overflow.
    return lowest * (1.0f - v) + highest * v;
}

} // namespace gatevox
