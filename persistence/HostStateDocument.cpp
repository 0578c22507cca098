#include "persistence/HostStateDocument.h"

#include "params/ParameterText.h"
#include "persistence/AttributeReader.h"
#include "persistence/DocumentBuilder.h"
#include "persistence/DocumentVocabulary.h"
#include "persistence/ModelRestore.h"
#include "persistence/StateBlock.h"

namespace gatevox
{
namespace
{
void addSequencer (DocumentBuilder& out, ProcessorModel& model, double hostSampleRate)
{
    const auto& ints = model.sequencer.ints;
    const auto& floats = model.sequencer.floats;

    out.utf8Text (attribute::version, attribute::writtenVersion);
    out.number (attribute::effectMix, floats.read (SequencerState::effectMix));
    out.number (attribute::effectGain, floats.read (SequencerState::effectGain));
    out.number (attribute::effectGainActual, floats.read (SequencerState::effectGainActual));
    out.integer (attribute::layer, ints.read (SequencerState::layer));
    out.number (attribute::sampleRate, hostSampleRate);
    out.integer (attribute::pattern, ints.read (SequencerState::pattern));
    out.integer (attribute::patternCount, ints.read (SequencerState::patternCount));
    out.integer (attribute::patternSpeed, ints.read (SequencerState::patternSpeed));
    out.integer (attribute::selectedEffect, ints.read (SequencerState::selectedEffect));
    out.number (attribute::tempo, model.transport.tempo.get());
    out.integer (attribute::seqPosition, ints.read (SequencerState::seqPosition));
    out.number (attribute::ppqPos, model.transport.ppqPos.get());
}

void addSlot (DocumentBuilder& out, ProcessorModel& model, int s)
{
    const auto& slot = model.slot (s);
    out.number (attribute::envelopeOn (s), model.envelope (s).switches.read (EnvelopeSettings::envelopeOn));
    out.number (attribute::envelopeDestination (s), savedEnvelopeDestination (model, s));
    addEnvelopeKnobs (out, model, s);
    out.utf8Text (attribute::kernelName (s), savedKernelName (slot.ints.read (SlotSettings::kernelId)));
    out.integer (attribute::lfoPosition (s), slot.ints.read (SlotSettings::position));
    out.integer (attribute::lfoNextPosition (s), slot.nextPosition.get());
    addSlotFloats (out, model, s);
    addSlotInts (out, model, s);
}

void restoreSlot (ProcessorModel& model, int s, const AttributeReader& in, bool current)
{
    auto& slot = model.slot (s);
    slot.loadMarkers.waitingWrite (0, 1);

    restoreEnvelopeKnobs (model, s, in);
    model.envelope (s).switches.waitingWrite (EnvelopeSettings::envelopeOn,
                                              in.floatNumber (attribute::envelopeOn (s), 0.0f));
    restoreEnvelopeDestination (model, s, in.floatNumber (attribute::envelopeDestination (s), 0.0f),
                                current ? 7.0f : 49.0f);

    restoreSlotControls (model, s, in);
    restoreKernelByName (model, s, in.text (attribute::kernelName (s)), LegacyKernelNames::translate);
    applyRestoredRoute (model, s);
    rebuildRestoredLfo (model, s);

    slot.ints.waitingWrite (SlotSettings::position,
                            in.truncatedNumber (attribute::lfoPosition (s), slot.ints.read (SlotSettings::position)));
    slot.nextPosition = in.truncatedNumber (attribute::lfoNextPosition (s), slot.nextPosition.get());

    // The LFO rate and frequency have defaults of their own.
    slot.floats.waitingWrite (SlotSettings::lfoRate, in.floatNumber (attribute::slotFloat (s, 7), 0.4f));
    slot.floats.waitingWrite (SlotSettings::lfoFrequency, in.floatNumber (attribute::slotFloat (s, 23), 4.0f));
}

void applyDocument (ProcessorModel& model, const AttributeReader& in)
{
    restoreStepRows (model, in);
    restoreKernelParameters (model, in, AbsentKernelParameter::keepsCurrent);
    restoreMasterMix (model, in);

    const bool current = isCurrentVersion (in.number (attribute::version, 1.04));
    restoreEditedPosition (model, in);
    restorePatternSpeed (model, documentPatternSpeed (in, current));
    restoreSelectedEffect (model, in.has (attribute::selectedSetting) ? in.integer (attribute::selectedSetting, 0)
                                                                      : in.integer (attribute::selectedEffect, 0));

    for (int s = 0; s < numSlots; ++s)
        restoreSlot (model, s, in, current);
}
} // namespace

std::unique_ptr<juce::XmlElement> writeHostState (ProcessorModel& model, double hostSampleRate)
{
    auto element = std::make_unique<juce::XmlElement> (hostStateTag);
    DocumentBuilder out (*element);

    addSequencer (out, model, hostSampleRate);
    addKernelParameters (out, model);
    addStepRows (out, model);
    for (int j = 0; j < numAutomationParameters; ++j)
        out.number (attribute::hostParameter (j), parameterValue (model, j));
    for (int s = 0; s < numSlots; ++s)
        addSlot (out, model, s);

    return element;
}

void restoreHostState (ProcessorModel& model, const juce::XmlElement& document)
{
    auto& tempo = model.transport.tempo;
    if (!(tempo.get() >= 0.0f))
        tempo = 120.0f;

    {
        const ReloadScope reload (model);
        if (document.getTagName().equalsIgnoreCase (hostStateTag))
            applyDocument (model, AttributeReader (document));
    }
    model.resyncHold.fetch_add (1);
}

void writeHostStateBlock (ProcessorModel& model, double hostSampleRate, juce::MemoryBlock& destination)
{
    destination = wrapStateXml (*writeHostState (model, hostSampleRate));
}

bool restoreHostStateBlock (ProcessorModel& model, const void* data, int sizeInBytes)
{
    const auto document = unwrapStateXml (data, sizeInBytes);
    if (document == nullptr)
        return false;

    restoreHostState (model, *document);
    return true;
}

} // namespace gatevox
