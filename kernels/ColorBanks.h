#pragma once

namespace gatevox
{

// The color kernels' state objects.
struct ColorBanks
{
};

} // namespace gatevox
