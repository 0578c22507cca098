#pragma once

namespace gatevox
{

// The filter sections, shapers and their coefficient scratch.
struct FilterBanks
{
};

// Clears the running state (filter memories) that prepare-to-play resets.
void clearFilterMemories (FilterBanks& banks) noexcept;

} // namespace gatevox
