#pragma once

#include "kernels/KernelTable.h"

namespace gatevox
{

// Enters the delay kernels into the table under their ids.
void addDelayKernels (KernelTable& table) noexcept;

} // namespace gatevox
