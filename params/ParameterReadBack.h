#pragma once

#include "core/ProcessorModel.h"

#include <array>

namespace gatevox
{

// The normalised value that describes the model's current value of parameter
// `index`: set through the parameter road, it leaves the model as it is. Where
// the model keeps the last normalised value beside the value it acts on (the
// kernel, waveform, snap, selector and knob families) and the two agree, that
// value; otherwise the value the editor sends for the acting value. An index
// outside 0-196 reads 0. Reads only; any thread.
[[nodiscard]] float reportedParameterValue (ProcessorModel& model, int index) noexcept;

// Writes every parameter's reported value into the table the host reads back,
// for when the model changed other than through a parameter (construction,
// reset, preset load, state restore). Never allocates and takes no lock.
void refreshParameterValues (ProcessorModel& model) noexcept;

// The other parameters whose model values a write of parameter `index` can
// change: a waveform resets the slot's duty and floor; a kernel knob or
// selector changes what the slot's other knobs show; the edited pattern and
// layer choose the steps of "Step 1" to "Step 16".
struct DependentParameters
{
    std::array<int, numSteps> indices{};
    int count = 0;
};
[[nodiscard]] DependentParameters dependentParameters (int index) noexcept;

// After parameter `index` was set: reads back its dependent parameters.
void refreshDependentParameterValues (ProcessorModel& model, int index) noexcept;

} // namespace gatevox
