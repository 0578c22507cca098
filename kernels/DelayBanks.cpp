#include "kernels/DelayBanks.h"

#include <algorithm>

namespace gatevox
{

DelayBanks::DelayBanks()
{
    prepareDelays (*this, 48000.0);
}

void prepareDelays (DelayBanks& banks, double sampleRate)
{
    // The processor never runs outside 1 Hz - 192 kHz; the storage never grows beyond that.
    const double rate = sampleRate >= 1.0 ? std::min (sampleRate, 192000.0) : 1.0;
    for (auto& comb : banks.combs)
        combPrepare (comb, static_cast<float> (rate));
    for (auto& line : banks.lines)
        linePrepare (line, rate);
}

} // namespace gatevox
