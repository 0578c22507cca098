#pragma once

#include "core/ProcessorModel.h"
#include "engine/HostPosition.h"

#include <optional>

namespace gatevox
{

// Turns the host's transport into the sequencer's position: the current step
// (1-16), the playing pattern, the samples per step, and the backwards jumps
// that restart the envelope clock and the LFOs. Audio thread only.
class StepClock
{
public:
    // Tempos outside this range are brought into it; a tempo that is not a
    // positive finite number is ignored and the last valid tempo kept.
    static constexpr double lowestTempo = 0.001;
    static constexpr double highestTempo = 1.0e6;

    explicit StepClock (ProcessorModel& modelToDrive) noexcept : model (modelToDrive) {}

    // Before the first sample of a block. Returns false when the block must be
    // left untouched (no play head, or the song position is exactly 0).
    bool blockStart (const std::optional<HostPosition>& position) noexcept;

    // At the head of every rendered sample: the step, the playing pattern and
    // the backwards-jump rules.
    void sampleHead() noexcept;

    // After the output of a sample is written: advance the position and the
    // in-step and envelope counters.
    void sampleTail() noexcept;

private:
    [[nodiscard]] double usableTempo (double bpm) const noexcept;
    void rescaleLfoRates (float newTempo) noexcept;
    void jumpedBackwards() noexcept;

    ProcessorModel& model;
};

} // namespace gatevox
