#pragma once

namespace gatevox
{

// The formant kernels' state objects.
struct FormantBanks
{
};

} // namespace gatevox
