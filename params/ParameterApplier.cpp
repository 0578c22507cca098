#include "params/ParameterApplier.h"

#include "params/LfoShapeChange.h"
#include "params/ParameterConversions.h"
#include "params/ParameterLayout.h"
#include "params/ParameterReadBack.h"

namespace gatevox
{
namespace
{
using F = ParameterFamily;

[[nodiscard]] std::size_t at (std::size_t first, int offset) noexcept
{
    return first + static_cast<std::size_t> (offset);
}

void writeStep (ProcessorModel& model, int step, float v) noexcept
{
    // The edited pattern and layer may come from a state file: keep them on the grid.
    const auto& seq = model.sequencer.ints;
    const int pattern = std::clamp (seq.read (SequencerState::pattern), 0, numPatterns - 1);
    const int layer = std::clamp (seq.read (SequencerState::layer), 0, numLayers - 1);

    model.writeStep (pattern, layer, step, stepValueOf (v));
}

// The selected kernel parameter of knob p gets its range's point v; selector
// 0 ("none") or one past the catalogue selects nothing.
void writeKernelValue (ProcessorModel& model, int s, int p, float v) noexcept
{
    auto& slot = model.slot (s);
    slot.floats.waitingWrite (at (SlotSettings::knobValue1, p), v);

    const std::int32_t selector = slot.ints.read (at (SlotSettings::paramSelect1, p));
    if (selector < 1 || selector > numKernelParameters)
        return;

    const auto k = static_cast<std::size_t> (selector - 1);
    auto& store = model.kernelParams (s);
    store.value.drainingRelease (k, valueOfNormalisedPosition (store, k, v));
}

void writeEnvelopeKnob (ProcessorModel& model, int s, int segment, int knob, float v, RebuildTiming timing) noexcept
{
    model.envelope (s).knobs.drainingRelease (EnvelopeSettings::knobIndex (segment, knob), v);
    model.rebuildEnvelopeSegment (s, segment, timing);
}

void apply (ProcessorModel& model, const ParameterAddress& a, float v, RebuildTiming timing) noexcept
{
    const int s = a.slot;
    auto& ints = model.slot (s).ints;
    auto& floats = model.slot (s).floats;
    auto& sequencer = model.sequencer;

    switch (a.family)
    {
    case F::lfoFrequency:
        floats.waitingWrite (SlotSettings::lfoRate, v);
        floats.waitingWrite (SlotSettings::lfoFrequency, 20.0f * v);
        return;
    case F::lfoDuty:
        floats.waitingWrite (SlotSettings::dutyCycle, v);
        changeDuty (model.lfo (s), static_cast<double> (v), timing);
        return;
    case F::kernel:
        // The kernel's parameter values and ranges stay as they are.
        floats.waitingWrite (SlotSettings::kernelNormalised, v);
        ints.waitingWrite (SlotSettings::kernelId, kernelIdOf (v));
        return;
    case F::lfoWave:
        changeWaveform (model.slot (s), model.lfo (s), v, timing);
        return;
    case F::freqSnap:
        ints.waitingWrite (SlotSettings::freqSnap, truncToInt (v));
        floats.waitingWrite (SlotSettings::freqSnapNormalised, v);
        return;
    case F::snapInterval:
        ints.waitingWrite (SlotSettings::snapInterval, snapIntervalOf (v));
        floats.waitingWrite (SlotSettings::snapIntervalNormalised, v);
        return;
    case F::lfoPhase:
        floats.waitingWrite (SlotSettings::phase, 2.0f * v - 1.0f);
        return;
    case F::lfoContinuous:
        ints.waitingWrite (SlotSettings::retrigger, v <= 0.0f ? 1 : 0);
        return;
    case F::effectGain:
        sequencer.floats.skippingWrite (SequencerState::effectGain, v);
        sequencer.floats.skippingWrite (SequencerState::effectGainActual, masterGainOf (v));
        return;
    case F::effectMix:
        sequencer.floats.skippingWrite (SequencerState::effectMix, v);
        return;
    case F::step:
        writeStep (model, a.step, v);
        return;
    case F::slotGain:
        floats.waitingWrite (SlotSettings::gain, v);
        return;
    case F::slotPan:
        floats.waitingWrite (SlotSettings::pan, v);
        return;
    case F::routeType:
        model.setRouteType (s, routeTypeOf (v));
        return;
    case F::layer:
        sequencer.ints.skippingWrite (SequencerState::layer, layerOf (v));
        return;
    case F::selectedPattern:
        sequencer.ints.skippingWrite (SequencerState::pattern, patternOf (v));
        return;
    case F::patternCount:
        sequencer.ints.skippingWrite (SequencerState::patternCount, patternOf (v));
        return;
    case F::patternSpeed:
        model.setPatternSpeed (patternSpeedOf (v));
        return;
    case F::envelopeOn:
        model.envelope (s).switches.waitingWrite (EnvelopeSettings::envelopeOn, v);
        return;
    case F::snapOn:
        floats.waitingWrite (SlotSettings::snapOnNormalised, v > 0.0f ? 1.0f : 0.0f);
        ints.waitingWrite (SlotSettings::snapOn, v > 0.0f ? 1 : 0);
        return;
    case F::kernelValue:
        writeKernelValue (model, s, a.selector, v);
        return;
    case F::kernelSelect:
        floats.waitingWrite (at (SlotSettings::paramSelectNormalised1, a.selector), v);
        ints.waitingWrite (at (SlotSettings::paramSelect1, a.selector), selectorOf (v));
        return;
    case F::envelopeDestination:
        model.envelope (s).destination.waitingWrite (0, envelopeDestinationOf (v));
        return;
    case F::envelopeKnob:
        writeEnvelopeKnob (model, s, a.segment, a.knob, v, timing);
        return;
    case F::lfoFloor:
        floats.waitingWrite (SlotSettings::floor, v);
        changeFloor (model.lfo (s), static_cast<double> (v), timing);
        return;
    }
}
} // namespace

void setParameter (ProcessorModel& model, int index, float value, RebuildTiming timing) noexcept
{
    const auto address = decodeParameter (index);
    if (!address)
        return;

    const float stored = clampNormalised (value);
    model.parameterValues[static_cast<std::size_t> (index)] = stored;
    apply (model, *address, actingValue (stored), timing);
    refreshDependentParameterValues (model, index);
}

} // namespace gatevox
