#pragma once

#include "core/Guarded.h"
#include "core/ModelSizes.h"

namespace gatevox
{

// A slot's kernel parameters, indexed by kernel parameter number. Each array
// is a guarded block of its own, written with the draining release.
struct KernelParamStore
{
    using Block = GuardedBlock<float, kernelParamArraySize>;

    Block value;
    Block minimum;
    Block maximum;
    Block factor; // modulation factor; 1 unless the envelope drives the parameter

    // What a kernel reads: factor x value.
    [[nodiscard]] float effective (std::size_t k) const noexcept { return factor.read (k) * value.read (k); }

    void resetFactors() noexcept;
    void reset() noexcept;
};

} // namespace gatevox
