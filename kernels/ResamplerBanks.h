#pragma once

namespace gatevox
{

// The resampler kernels' state objects.
struct ResamplerBanks
{
};

} // namespace gatevox
