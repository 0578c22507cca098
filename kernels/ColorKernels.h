#pragma once

#include "kernels/KernelTable.h"

namespace gatevox
{

// Enters the color kernels into the table under their ids.
void addColorKernels (KernelTable& table) noexcept;

} // namespace gatevox
