#pragma once

#include "kernels/KernelTable.h"

namespace gatevox
{

// Enters the modulator kernels into the table under their ids.
void addModulatorKernels (KernelTable& table) noexcept;

} // namespace gatevox
