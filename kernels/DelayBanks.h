#pragma once

namespace gatevox
{

// The delay lines and delay engines.
struct DelayBanks
{
};

// Sizes every delay buffer for the sample rate; off the audio thread.
void prepareDelays (DelayBanks& banks, double sampleRate);

} // namespace gatevox
