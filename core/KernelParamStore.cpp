#include "KernelParamStore.h"

namespace gatevox
{

void KernelParamStore::resetFactors() noexcept
{
    for (std::size_t k = 0; k < Block::size; ++k)
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
