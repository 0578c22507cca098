#pragma once

#include "core/ProcessorModel.h"
#include "engine/HostPosition.h"
#include "engine/StepClock.h"

#include <optional>

namespace gatevox
{

// The processor's process-block operation: per sample, every layer of the
// playing pattern picks the slot of its current step, the slot's kernel runs
// with its LFO and envelope, the route mixers combine the slot outputs, and
// the master mix and gain apply. Audio thread only; allocates nothing and
// takes no lock.
class RenderLoop
{
public:
    explicit RenderLoop (ProcessorModel& modelToRender) noexcept : model (modelToRender), clock (modelToRender) {}

    // Renders numSamples samples in place. For a mono input, left and right
    // may be the same channel. Returns false when the block was left untouched
    // (no transport, or nothing initialised yet).
    bool process (float* left, float* right, int numSamples, const std::optional<HostPosition>& position) noexcept;

    // The +12 dB ceiling: a left or right output beyond it, either way, mutes
    // both channels of the sample, and so does an output that overflowed from
    // a finite input.
    static constexpr float outputCeiling = 3.98107171f;
    // Each sample of a long silence is the previous output times this.
    static constexpr float silenceDecay = 0.0009999871f;
    // Quiet samples in a row before the silence decay takes over.
    static constexpr int silenceStretch = 256;

private:
    void renderSample (float& left, float& right) noexcept;
    void updateTransitionGains() noexcept;
    void renderLayer (int layer, float dryLeft, float dryRight) noexcept;
    void feedBypass (float dryLeft, float dryRight) noexcept;

    ProcessorModel& model;
    StepClock clock;
};

} // namespace gatevox
