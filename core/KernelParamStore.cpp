#include "core/KernelParamStore.h"

namespace gatevox
{

void KernelParamStore::resetFactors() noexcept
{
    // Runs once per block: factors no envelope has moved are left alone.
    for (std::size_t k = 0; k < Block::size; ++k)
        if (!factor.holds (k, 1.0f))
            factor.drainingRelease (k, 1.0f);
}

void KernelParamStore::reset() noexcept
{
    for (std::size_t k = 0; k < Block::size; ++k)
    {
        value.drainingRelease (k, 0.0f);
        minimum.drainingRelease (k, 0.0f);
        maximum.drainingRelease (k, 0.0f);
    }
    resetFactors();
}

} // namespace gatevox
