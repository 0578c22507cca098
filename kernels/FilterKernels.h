#pragma once

#include "kernels/KernelTable.h"

namespace gatevox
{

// Enters the filter and shaper kernels into the table under their ids.
void addFilterKernels (KernelTable& table) noexcept;

} // namespace gatevox
