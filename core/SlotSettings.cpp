#include "core/SlotSettings.h"

namespace gatevox
{

void SlotSettings::reset (float tempo) noexcept
{
    static constexpr std::pair<Int, std::int32_t> intResets[] = {
        {routeType, 0}, {position, 0},     {waveform, 0},  {kernelId, 0},
        {freqSnap, 0},  {reservedInt7, 2}, {retrigger, 1}, {snapInterval, 4},
    };
    for (auto [field, value] : intResets)
        ints.waitingWrite (field, value);
    for (std::size_t k = 0; k < numKnobs; ++k)
        ints.waitingWrite (paramSelect1 + k, 1);

    static constexpr std::pair<Float, float> floatResets[] = {
        {waveformNormalised, 0.0f},     {kernelNormalised, 0.0f}, {dutyCycle, 0.5f},      {reservedFloat5, 0.2f},
        {freqSnapNormalised, 1.0f},     {lfoRate, 0.4f},          {reservedFloat8, 0.4f}, {phase, 0.0f},
        {reservedFloat10, 0.0f},        {reservedFloat11, 1.0f},  {gain, 1.0f},           {pan, 0.5f},
        {snapIntervalNormalised, 0.6f}, {lfoFrequency, 8.0f},
    };
    floats.waitingWrite (barsPerSecond, tempo / 60.0f * 0.25f);
    for (auto [field, value] : floatResets)
        floats.waitingWrite (field, value);
    for (std::size_t k = 0; k < numKnobs; ++k)
    {
        floats.waitingWrite (paramSelectNormalised1 + k, 0.1f);
        floats.waitingWrite (knobValue1 + k, 0.0f);
    }

    for (std::size_t m = 0; m < numLoadMarkers; ++m)
        loadMarkers.waitingWrite (m, 0);
    nextPosition = 0;

    while (kernelRefreshCount.load() > 0)
        kernelRefreshCount.fetch_sub (1);
}

} // namespace gatevox
