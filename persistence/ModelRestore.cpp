#include "persistence/ModelRestore.h"

#include "core/SafeMath.h"
#include "kernels/KernelCatalogue.h"
#include "params/LfoShapeChange.h"
#include "params/ParameterConversions.h"
#include "persistence/DocumentNumbers.h"
#include "persistence/DocumentVocabulary.h"

#include <algorithm>
#include <cmath>

namespace gatevox
{
namespace
{
constexpr std::int32_t highestWaveform = 14;
constexpr std::int32_t highestSnapInterval = 6;
constexpr std::int32_t highestEnvelopeDestination = 7;

// An absent LFO floor is the one a waveform change gives.
constexpr auto absentFloor = static_cast<float> (hostWaveFloor);

[[nodiscard]] std::int32_t stepInRange (std::int32_t v) noexcept
{
    return v >= 0 && v <= emptyStep ? v : emptyStep;
}
} // namespace

StepRow parseStepRow (std::string_view text) noexcept
{
    StepRow row;
    row.fill (emptyStep);

    // An empty text has no tokens at all; otherwise every "," ends one.
    if (text.empty())
        return row;

    std::size_t start = 0;
    for (std::size_t i = 0; i < row.size(); ++i)
    {
        const auto end = std::min (text.find (',', start), text.size());
        row[i] = stepInRange (readLeadingInteger (text.substr (start, end - start)));
        if (end == text.size())
            break;
        start = end + 1;
    }
    return row;
}

void restoreStepRows (ProcessorModel& model, const AttributeReader& in)
{
    for (int layer = 0; layer < numLayers; ++layer)
    {
        for (int pattern = 0; pattern < numPatterns; ++pattern)
        {
            const auto row = parseStepRow (in.text (attribute::stepRow (layer, pattern)));
            for (int i = 0; i < numSteps; ++i)
            {
                model.writeStep (pattern, layer, i, row[static_cast<std::size_t> (i)]);
            }
        }
    }
}

void restoreKernelParameters (ProcessorModel& model, const AttributeReader& in, AbsentKernelParameter absent)
{
    const bool keep = absent == AbsentKernelParameter::keepsCurrent;
    const auto restore = [&] (KernelParamStore::Block& block, std::size_t k, const std::string& name)
    { block.drainingRelease (k, in.floatNumber (name, keep ? block.read (k) : 0.0f)); };

    for (int s = 0; s < numSlots; ++s)
    {
        auto& store = model.kernelParams (s);
        for (int k = 0; k < numKernelParams; ++k)
        {
            const auto i = static_cast<std::size_t> (k);
            restore (store.maximum, i, attribute::maxVal (s, k));
            restore (store.minimum, i, attribute::minVal (s, k));
            restore (store.value, i, attribute::paramVal (s, k));
        }
    }
}

bool isCurrentVersion (double version) noexcept
{
    const auto v = static_cast<double> (narrowToFloat (version));
    return v >= 1.05 || std::abs (v - 1.05) < 1e-7;
}

std::int32_t documentPatternSpeed (const AttributeReader& in, bool current)
{
    if (current)
        return in.integer (attribute::patternSpeed, 2);

    const std::int32_t p = in.integer (attribute::patternSpeed, 1);
    if (p == 0 || p == 1)
        return 0;
    if (p == 2 || p == 3)
        return 1;
    return 2;
}

void restorePatternSpeed (ProcessorModel& model, std::int32_t speed) noexcept
{
    if (speed < 0 || speed > 2)
        speed = 1;

    model.setPatternSpeed (speed);
}

void restoreMasterMix (ProcessorModel& model, const AttributeReader& in)
{
    auto& floats = model.sequencer.floats;
    floats.skippingWrite (SequencerState::effectMix, std::min (in.floatNumber (attribute::effectMix, 1.0f), 1.0f));
    floats.skippingWrite (SequencerState::effectGain, in.floatNumber (attribute::effectGain, 0.5f));
    floats.skippingWrite (SequencerState::effectGainActual, in.floatNumber (attribute::effectGainActual, 1.0f));
}

void restoreEditedPosition (ProcessorModel& model, const AttributeReader& in)
{
    auto& ints = model.sequencer.ints;
    ints.skippingWrite (SequencerState::layer, std::clamp (in.integer (attribute::layer, 0), 0, numLayers - 1));
    ints.skippingWrite (SequencerState::pattern, std::clamp (in.integer (attribute::pattern, 0), 0, numPatterns - 1));
    ints.skippingWrite (SequencerState::patternCount,
                        std::clamp (in.integer (attribute::patternCount, 1), 0, numPatterns - 1));
}

void restoreSelectedEffect (ProcessorModel& model, std::int32_t slot) noexcept
{
    model.sequencer.ints.skippingWrite (SequencerState::selectedEffect, std::clamp (slot, 0, numSlots - 1));
}

void restoreEnvelopeDestination (ProcessorModel& model, int s, float v, float factor) noexcept
{
    const std::int32_t destination = truncToInt (factor * v);
    const bool known = destination >= 0 && destination <= highestEnvelopeDestination;
    model.envelope (s).destination.waitingWrite (0, known ? destination : 0);
}

void restoreEnvelopeKnobs (ProcessorModel& model, int s, const AttributeReader& in)
{
    auto& knobs = model.envelope (s).knobs;
    for (int g = 0; g < numEnvelopeSegments; ++g)
        for (int n = 0; n < knobsPerSegment; ++n)
            knobs.drainingRelease (EnvelopeSettings::knobIndex (g, n),
                                   clampNormalised (in.floatNumber (attribute::envelopeKnob (s, g, n), 1.0f)));
    model.rebuildEnvelope (s);
}

std::int32_t slotIntInRange (std::size_t m, std::int32_t v) noexcept
{
    using S = SlotSettings;
    switch (m)
    {
    case S::routeType:
        return std::clamp (v, 0, 3);
    case S::waveform:
        return std::clamp (v, 0, highestWaveform);
    case S::freqSnap:
    case S::snapOn:
        return std::clamp (v, 0, 1);
    case S::snapInterval:
        return std::clamp (v, 0, highestSnapInterval);
    case S::kernelId:
        return v >= numKernels ? kernelId::bypass : std::max (v, -1);
    default:
        break;
    }

    if (m >= S::paramSelect1 && m < S::paramSelect1 + S::numKnobs)
        return v >= 0 && v <= numKernelParameters ? v : 0;
    return v;
}

void restoreSlotControls (ProcessorModel& model, int s, const AttributeReader& in)
{
    auto& slot = model.slot (s);
    for (std::size_t m = 0; m < SlotSettings::intCount; ++m)
        slot.ints.waitingWrite (m, slotIntInRange (m, in.integer (attribute::slotInt (s, static_cast<int> (m)), 0)));
    for (std::size_t m = 0; m < SlotSettings::floatCount; ++m)
    {
        const float absent = m == SlotSettings::floor ? absentFloor : 0.0f;
        slot.floats.waitingWrite (m, in.floatNumber (attribute::slotFloat (s, static_cast<int> (m)), absent));
    }
}

void restoreKernelByName (ProcessorModel& model, int s, std::string_view name, LegacyKernelNames legacy) noexcept
{
    if (name.empty())
        return;

    if (legacy == LegacyKernelNames::translate && (name == "DOUBLER" || name == "FLANGER" || name == "ECHO"))
        name = kernelNames[static_cast<std::size_t> (kernelId::delayMod)];

    const int id = kernelIdOfName (name);
    if (id < 0)
        return;

    auto& slot = model.slot (s);
    slot.ints.waitingWrite (SlotSettings::kernelId, id);
    slot.floats.waitingWrite (SlotSettings::kernelNormalised,
                              static_cast<float> (id + 1) / static_cast<float> (numKernels));
}

void applyRestoredRoute (ProcessorModel& model, int s) noexcept
{
    model.setRouteType (s, model.slot (s).ints.read (SlotSettings::routeType));
}

void rebuildRestoredLfo (ProcessorModel& model, int s) noexcept
{
    const auto& slot = model.slot (s);
    const std::int32_t waveform = slot.ints.read (SlotSettings::waveform);
    const auto duty = static_cast<double> (slot.floats.read (SlotSettings::dutyCycle));
    const auto floor = static_cast<double> (slot.floats.read (SlotSettings::floor));

    auto& table = model.lfo (s);
    table.setWaveformNumber (waveform);
    table.setDuty (duty);
    table.setFloor (floor);
    table.rebuild (waveform, duty, floor, RebuildTiming::now);
}

} // namespace gatevox
