#include "persistence/PresetDocument.h"

#include "persistence/AttributeReader.h"
#include "persistence/DocumentBuilder.h"
#include "persistence/DocumentVocabulary.h"
#include "persistence/ModelRestore.h"

#include <cmath>

namespace gatevox
{
namespace
{
void addSequencer (DocumentBuilder& out, ProcessorModel& model, const juce::String& name, double hostSampleRate)
{
    const auto& ints = model.sequencer.ints;
    const auto& floats = model.sequencer.floats;

    out.text (attribute::presetName, name);
    out.utf8Text (attribute::version, attribute::writtenVersion);
    out.number (attribute::tempo, model.transport.tempo.get());
    out.integer (attribute::seqPosition, ints.read (SequencerState::seqPosition));
    out.number (attribute::ppqPos, model.transport.ppqPos.get());
    out.number (attribute::effectMix, floats.read (SequencerState::effectMix));
    out.number (attribute::effectGain, floats.read (SequencerState::effectGain));
    out.number (attribute::effectGainActual, floats.read (SequencerState::effectGainActual));
    out.integer (attribute::layer, ints.read (SequencerState::layer));
    out.number (attribute::sampleRate, hostSampleRate);
    out.integer (attribute::pattern, ints.read (SequencerState::pattern));
    out.integer (attribute::patternCount, ints.read (SequencerState::patternCount));
    out.integer (attribute::patternSpeed, ints.read (SequencerState::patternSpeed));
    out.integer (attribute::selectedEffect, ints.read (SequencerState::selectedEffect));
}

void addSlot (DocumentBuilder& out, ProcessorModel& model, int s)
{
    const auto& slot = model.slot (s);
    out.number (attribute::envelopeDestination (s), savedEnvelopeDestination (model, s));
    out.number (attribute::envelopeOn (s), model.envelope (s).switches.read (EnvelopeSettings::envelopeOn));
    addEnvelopeKnobs (out, model, s);
    addSlotInts (out, model, s);
    addSlotFloats (out, model, s);
    out.integer (attribute::lfoNextPosition (s), slot.nextPosition.get());
    out.utf8Text (attribute::kernelName (s), savedKernelName (slot.ints.read (SlotSettings::kernelId)));
}

// The LFO rate and frequency follow the tempo: a preset saved at 120 and
// loaded at 60 runs its LFOs at half the rate. Only finite, positive tempi
// rescale, and a rate that would overflow keeps its value: nothing here may
// turn a rate into NaN or infinity.
void rescaleToTempo (SlotSettings& slot, float processorTempo, float presetTempo) noexcept
{
    const bool usable =
        std::isfinite (processorTempo) && processorTempo > 0.0f && std::isfinite (presetTempo) && presetTempo > 0.0f;
    if (!usable || processorTempo == presetTempo)
        return;

    for (const auto field : {SlotSettings::lfoRate, SlotSettings::lfoFrequency})
    {
        const float scaled = slot.floats.read (field) * processorTempo / presetTempo;
        if (std::isfinite (scaled))
            slot.floats.waitingWrite (field, scaled);
    }
}

void applySlot (ProcessorModel& model, int s, const AttributeReader& in, float presetTempo)
{
    auto& slot = model.slot (s);
    slot.loadMarkers.waitingWrite (1, 1);

    restoreEnvelopeDestination (model, s, in.floatNumber (attribute::envelopeDestination (s), 0.28571f), 7.0f);
    model.envelope (s).switches.waitingWrite (EnvelopeSettings::envelopeOn,
                                              in.floatNumber (attribute::envelopeOn (s), 0.0f));
    restoreEnvelopeKnobs (model, s, in);

    restoreSlotControls (model, s, in);
    restoreKernelByName (model, s, in.text (attribute::kernelName (s)), LegacyKernelNames::keep);
    applyRestoredRoute (model, s);
    rebuildRestoredLfo (model, s);
    rescaleToTempo (slot, model.transport.tempo, presetTempo);

    // A loaded preset starts its LFO from the start of the table.
    slot.ints.waitingWrite (SlotSettings::position, 0);
    slot.nextPosition = 0;
}
} // namespace

std::unique_ptr<juce::XmlElement> writePresetDocument (ProcessorModel& model, const juce::String& name,
                                                       double hostSampleRate)
{
    auto element = std::make_unique<juce::XmlElement> (presetTag);
    DocumentBuilder out (*element);

    addSequencer (out, model, name, hostSampleRate);
    addKernelParameters (out, model);
    addStepRows (out, model);
    for (int s = 0; s < numSlots; ++s)
        addSlot (out, model, s);

    return element;
}

bool isPresetDocument (const juce::XmlElement& element)
{
    return element.getTagName().equalsIgnoreCase (presetTag);
}

void applyPresetDocument (ProcessorModel& model, const juce::XmlElement& element)
{
    const AttributeReader in (element);

    restoreKernelParameters (model, in, AbsentKernelParameter::readsZero);
    restoreStepRows (model, in);

    const bool current = isCurrentVersion (in.number (attribute::version, 1.0));
    restoreMasterMix (model, in);
    restoreEditedPosition (model, in);
    restoreSelectedEffect (model, in.integer (attribute::selectedEffect, 1));

    const float presetTempo = in.floatNumber (attribute::tempo, 120.0f);
    restorePatternSpeed (model, documentPatternSpeed (in, current));

    for (int s = 0; s < numSlots; ++s)
        applySlot (model, s, in, presetTempo);
}

} // namespace gatevox
