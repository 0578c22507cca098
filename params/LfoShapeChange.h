#pragma once

#include "core/RebuildTiming.h"
#include "core/SlotSettings.h"
#include "modulation/LfoWaveTable.h"

namespace gatevox
{

// Each change stores the table's fields at once and rebuilds the table now or
// later, as the timing says.

// Duty and floor that a waveform change from the host or the editor uses.
inline constexpr double hostWaveDuty = 0.5;
inline constexpr double hostWaveFloor = static_cast<double> (0.0125f);

// The slot's waveform from the normalised choice v: the table is rebuilt with
// the host defaults and the slot's duty and floor controls follow them. A
// choice of the waveform the slot already has changes nothing.
void changeWaveform (SlotSettings& slot, LfoWaveTable& table, float v, RebuildTiming timing) noexcept;

// A new duty for the table's current waveform, rebuilt when the waveform
// takes a duty; the table keeps the duty either way.
void changeDuty (LfoWaveTable& table, double duty, RebuildTiming timing) noexcept;

// A new floor, rebuilt only for the waveforms the floor acts on (2-4); the
// table keeps the floor either way.
void changeFloor (LfoWaveTable& table, double floor, RebuildTiming timing) noexcept;

} // namespace gatevox
