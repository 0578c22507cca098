#pragma once

#include "kernels/KernelTable.h"

namespace gatevox
{

// Enters the resampler kernels into the table under their ids.
void addResamplerKernels (KernelTable& table) noexcept;

} // namespace gatevox
