#pragma once

#include "kernels/KernelTable.h"

namespace gatevox
{

// Enters the formant kernels into the table under their ids.
void addFormantKernels (KernelTable& table) noexcept;

} // namespace gatevox
