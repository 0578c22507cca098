#include "params/ParameterReadBack.h"

#include "params/ParameterConversions.h"
#include "params/ParameterLayout.h"

#include <cmath>

namespace gatevox
{
namespace
{
using F = ParameterFamily;

// The value within a few float steps of `guess`, inside 0-1, that `convert`
// maps to `target`; the guess itself (limited to 0-1, 0 when not a number)
// when none does, as for a model value that no parameter value can reach.
template <typename Target, typename Convert>
[[nodiscard]] float settle (float guess, Target target, Convert convert) noexcept
{
    guess = std::isnan (guess) ? 0.0f : std::clamp (guess, 0.0f, 1.0f);
    float up = guess, down = guess;
    for (int tries = 0; tries < 8; ++tries)
    {
        if (convert (up) == target)
            return up;
        if (convert (down) == target)
            return down;
        up = std::min (std::nextafter (up, 2.0f), 1.0f);
        down = std::max (std::nextafter (down, -1.0f), 0.0f);
    }
    return guess;
}

// The kept normalised value when it still converts to the acting value, else
// the settled encoding of the acting value.
template <typename Target, typename Convert>
[[nodiscard]] float keptOr (float kept, float encoding, Target acting, Convert convert) noexcept
{
    if (kept >= 0.0f && kept <= 1.0f && convert (kept) == acting)
        return kept + 0.0f;
    return settle (encoding, acting, convert);
}

[[nodiscard]] float plain (float value) noexcept
{
    return settle (value, value, [] (float v) { return v; });
}

[[nodiscard]] float ratio (std::int32_t number, float count) noexcept
{
    return static_cast<float> (number) / count;
}

[[nodiscard]] float kernelValue (ProcessorModel& model, int s, int p) noexcept
{
    const auto& slot = model.slot (s);
    const float knob = slot.floats.read (SlotSettings::knobValue1 + static_cast<std::size_t> (p));
    const std::int32_t selector = slot.ints.read (SlotSettings::paramSelect1 + static_cast<std::size_t> (p));
    if (selector < 1 || selector > numKernelParameters)
        return plain (knob);

    const auto k = static_cast<std::size_t> (selector - 1);
    const auto& store = model.kernelParams (s);
    const float value = store.value.read (k);
    const float lowest = store.minimum.read (k);
    const float span = store.maximum.read (k) - lowest;
    const float position = span != 0.0f && std::isfinite (span) ? (value - lowest) / span : knob;
    return keptOr (knob, position, value, [&] (float v) { return valueOfNormalisedPosition (store, k, v); });
}

[[nodiscard]] float reported (ProcessorModel& model, const ParameterAddress& a) noexcept
{
    const int s = a.slot;
    const auto& ints = model.slot (s).ints;
    const auto& floats = model.slot (s).floats;
    const auto& sequencer = model.sequencer;
    const auto& envelope = model.envelope (s);

    switch (a.family)
    {
    case F::lfoFrequency:
    {
        const float hz = floats.read (SlotSettings::lfoFrequency);
        const auto toHz = [] (float v) { return 20.0f * v; };
        return keptOr (floats.read (SlotSettings::lfoRate), hz / 20.0f, hz, toHz);
    }
    case F::lfoDuty:
        return plain (floats.read (SlotSettings::dutyCycle));
    case F::kernel:
    {
        const std::int32_t id = ints.read (SlotSettings::kernelId);
        return keptOr (floats.read (SlotSettings::kernelNormalised), ratio (id + 1, numKernels), id, kernelIdOf);
    }
    case F::lfoWave:
    {
        // The page lists waveforms 0-12 as thirteen choices.
        const std::int32_t w = ints.read (SlotSettings::waveform);
        return keptOr (floats.read (SlotSettings::waveformNormalised), ratio (w, w <= 12 ? 13.0f : 14.0f), w,
                       waveformOf);
    }
    case F::freqSnap:
    {
        const std::int32_t flag = ints.read (SlotSettings::freqSnap);
        return keptOr (floats.read (SlotSettings::freqSnapNormalised), ratio (flag, 1.0f), flag,
                       [] (float v) { return truncToInt (v); });
    }
    case F::snapInterval:
    {
        const std::int32_t interval = ints.read (SlotSettings::snapInterval);
        return keptOr (floats.read (SlotSettings::snapIntervalNormalised), ratio (interval, 6.0f), interval,
                       snapIntervalOf);
    }
    case F::lfoPhase:
    {
        const float phase = floats.read (SlotSettings::phase);
        return settle ((phase + 1.0f) / 2.0f, phase, [] (float v) { return 2.0f * v - 1.0f; });
    }
    case F::lfoContinuous:
        return ints.read (SlotSettings::retrigger) == 1 ? 0.0f : 1.0f;
    case F::effectGain:
    {
        const float gain = sequencer.floats.read (SequencerState::effectGainActual);
        const float position = (20.0f * std::log10 (gain) + 24.0f) / 48.0f;
        return keptOr (sequencer.floats.read (SequencerState::effectGain), position, gain, masterGainOf);
    }
    case F::effectMix:
        return plain (sequencer.floats.read (SequencerState::effectMix));
    case F::step:
    {
        const int pattern = std::clamp (sequencer.ints.read (SequencerState::pattern), 0, numPatterns - 1);
        const int layer = std::clamp (sequencer.ints.read (SequencerState::layer), 0, numLayers - 1);
        const std::int32_t value = model.steps.read (pattern, layer, a.step);
        return settle (ratio (value, 6.0f), value, stepValueOf);
    }
    case F::slotGain:
        return plain (floats.read (SlotSettings::gain));
    case F::slotPan:
        return plain (floats.read (SlotSettings::pan));
    case F::routeType:
    {
        const std::int32_t route = ints.read (SlotSettings::routeType);
        return settle (ratio (route + 1, 4.0f), route, routeTypeOf);
    }
    case F::layer:
    {
        const std::int32_t layer = sequencer.ints.read (SequencerState::layer);
        return settle (ratio (layer, 4.0f), layer, layerOf);
    }
    case F::selectedPattern:
    {
        const std::int32_t pattern = sequencer.ints.read (SequencerState::pattern);
        return settle (ratio (pattern, 16.0f), pattern, patternOf);
    }
    case F::patternCount:
    {
        const std::int32_t count = sequencer.ints.read (SequencerState::patternCount);
        return settle (ratio (count, 16.0f), count, patternOf);
    }
    case F::patternSpeed:
    {
        const std::int32_t speed = sequencer.ints.read (SequencerState::patternSpeed);
        return settle (ratio (speed, 3.0f), speed, patternSpeedOf);
    }
    case F::envelopeOn:
        return plain (envelope.switches.read (EnvelopeSettings::envelopeOn));
    case F::snapOn:
        return ints.read (SlotSettings::snapOn) == 1 ? 1.0f : 0.0f;
    case F::kernelValue:
        return kernelValue (model, s, a.selector);
    case F::kernelSelect:
    {
        const auto field = static_cast<std::size_t> (a.selector);
        const std::int32_t selector = ints.read (SlotSettings::paramSelect1 + field);
        return keptOr (floats.read (SlotSettings::paramSelectNormalised1 + field),
                       ratio (selector, static_cast<float> (numKernelParameters)), selector, selectorOf);
    }
    case F::envelopeDestination:
    {
        const std::int32_t destination = envelope.destination.read (0);
        return settle (ratio (destination, 7.0f), destination, envelopeDestinationOf);
    }
    case F::envelopeKnob:
        return plain (envelope.knobs.read (EnvelopeSettings::knobIndex (a.segment, a.knob)));
    case F::lfoFloor:
        return plain (floats.read (SlotSettings::floor));
    }
    return 0.0f;
}

void refresh (ProcessorModel& model, int index) noexcept
{
    model.parameterValues[static_cast<std::size_t> (index)] = reportedParameterValue (model, index);
}
} // namespace

float reportedParameterValue (ProcessorModel& model, int index) noexcept
{
    const auto address = decodeParameter (index);
    return address ? reported (model, *address) : 0.0f;
}

void refreshParameterValues (ProcessorModel& model) noexcept
{
    for (int index = 0; index < numAutomationParameters; ++index)
        refresh (model, index);
}

DependentParameters dependentParameters (int index) noexcept
{
    DependentParameters dependents;
    const auto add = [&] (int dependent)
    {
        if (dependent != index)
            dependents.indices[static_cast<std::size_t> (dependents.count++)] = dependent;
    };
    const auto address = decodeParameter (index);
    if (!address)
        return dependents;

    const int s = address->slot;
    switch (address->family)
    {
    case F::lfoWave:
        add (parameterIndex::lfoDuty + s);
        add (parameterIndex::lfoFloor + s);
        break;
    case F::kernelValue:
    case F::kernelSelect:
        for (int p = 0; p < 4; ++p)
            add (parameterIndex::kernelValue + 4 * s + p);
        break;
    case F::layer:
    case F::selectedPattern:
        for (int step = 0; step < numSteps; ++step)
            add (parameterIndex::step + step);
        break;
    default:
        break;
    }
    return dependents;
}

void refreshDependentParameterValues (ProcessorModel& model, int index) noexcept
{
    const auto dependents = dependentParameters (index);
    for (int i = 0; i < dependents.count; ++i)
        refresh (model, dependents.indices[static_cast<std::size_t> (i)]);
}

} // namespace gatevox
