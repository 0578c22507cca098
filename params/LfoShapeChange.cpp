#include "params/LfoShapeChange.h"

#include "params/ParameterConversions.h"

namespace gatevox
{
namespace
{
constexpr float hostWaveFloorControl = 0.0125f;

[[nodiscard]] bool takesFloor (std::int32_t number) noexcept
{
    return number >= 2 && number <= 4;
}
} // namespace

void changeWaveform (SlotSettings& slot, LfoWaveTable& table, float v, RebuildTiming timing) noexcept
{
    const std::int32_t w = waveformOf (v);
    if (slot.ints.read (SlotSettings::waveform) == w)
        return;

    slot.ints.waitingWrite (SlotSettings::waveform, w);
    slot.floats.waitingWrite (SlotSettings::waveformNormalised, v);

    table.setWaveformNumber (w);
    switch (w)
    {
    case 0: // sine
    case 5:
    case 6:
        table.setDuty (hostWaveDuty);
        table.rebuild (w, hostWaveDuty, hostWaveFloor, timing);
        slot.floats.waitingWrite (SlotSettings::dutyCycle, 0.5f);
        return;

    case 1: // triangle: no duty
        table.rebuild (w, hostWaveDuty, hostWaveFloor, timing);
        slot.floats.waitingWrite (SlotSettings::dutyCycle, 0.5f);
        return;

    case 2: // ramps: a full-length ramp above the floor
    case 3:
        table.setDuty (1.0);
        table.setFloor (hostWaveFloor);
        table.rebuild (w, 1.0, hostWaveFloor, timing);
        slot.floats.waitingWrite (SlotSettings::dutyCycle, 1.0f);
        slot.floats.waitingWrite (SlotSettings::floor, hostWaveFloorControl);
        return;

    case 4: // square
        table.setDuty (hostWaveDuty);
        table.setFloor (hostWaveFloor);
        table.rebuild (w, hostWaveDuty, hostWaveFloor, timing);
        slot.floats.waitingWrite (SlotSettings::dutyCycle, 0.5f);
        slot.floats.waitingWrite (SlotSettings::floor, hostWaveFloorControl);
        return;

    default: // user waves keep the slot's duty and floor controls
        table.rebuild (w, hostWaveDuty, hostWaveFloor, timing);
        return;
    }
}

void changeDuty (LfoWaveTable& table, double duty, RebuildTiming timing) noexcept
{
    // The generated waveforms 0-6 are rebuilt (the triangle ignores the
    // duty); user waves are not.
    const std::int32_t w = table.waveformNumber();
    if (w >= 0 && w <= 6)
        table.rebuild (w, duty, table.floor(), timing);
    table.setDuty (duty);
}

void changeFloor (LfoWaveTable& table, double floor, RebuildTiming timing) noexcept
{
    const std::int32_t w = table.waveformNumber();
    table.setFloor (floor);
    if (takesFloor (w))
        table.rebuild (w, table.duty(), floor, timing);
}

} // namespace gatevox
