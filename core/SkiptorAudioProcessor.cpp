#include "core/SkiptorAudioProcessor.h"

#include "core/SkiptorParameter.h"
#include "editor/MainGUI.h"
#include "persistence/HostStateDocument.h"
#include "persistence/SharedFolder.h"

#include "kernels/KernelCatalogue.h"
#include "params/ParameterApplier.h"
#include "params/ParameterLayout.h"
#include "params/ParameterReadBack.h"

#include <algorithm>
#include <limits>

SkiptorAudioProcessor::SkiptorAudioProcessor()
    : juce::AudioProcessor (BusesProperties()
                                .withInput ("Input", juce::AudioChannelSet::stereo(), true)
                                .withOutput ("Output", juce::AudioChannelSet::stereo(), true)),
      model (std::make_unique<gatevox::ProcessorModel> (gatevox::userWaveFileText)), renderLoop (*model),
      globalSettings (model->globalOptions, gatevox::sharedFolder())
{
    globalSettings.load();

    gatevox::refreshParameterValues (*model);
    for (std::size_t index = 0; index < blankValues.size(); ++index)
        blankValues[index] = model->parameterValues[index];

    for (int index = 0; index < gatevox::numAutomationParameters; ++index)
        addParameter (new SkiptorParameter (*this, index));
}

SkiptorAudioProcessor::~SkiptorAudioProcessor()
{
    cancelPendingUpdate();
}

float SkiptorAudioProcessor::blankValue (int index) const noexcept
{
    return blankValues[static_cast<std::size_t> (std::clamp (index, 0, gatevox::numAutomationParameters - 1))];
}

void SkiptorAudioProcessor::publishModelToHost (bool notifyEachParameter)
{
    gatevox::refreshParameterValues (*model);
    if (notifyEachParameter)
        for (auto* parameter : getParameters())
            parameter->sendValueChangedMessageToListeners (parameter->getValue());
    updateHostDisplay (ChangeDetails().withParameterInfoChanged (true));
}

void SkiptorAudioProcessor::publishDependents (int index)
{
    // The steps follow the edited pattern and layer: hosts show their new
    // values but never record them, since playing such a recording back
    // would write steps.
    if (index == gatevox::parameterIndex::layer || index == gatevox::parameterIndex::selectedPattern)
    {
        hostDisplayStale.store (true, std::memory_order_relaxed);
        return;
    }

    // The VST3 and LV2 wrappers drop a plug-in's notices while they apply a
    // host's write, and this may be the audio thread: the notices wait for
    // the message thread.
    const auto dependents = gatevox::dependentParameters (index);
    for (int i = 0; i < dependents.count; ++i)
        parameterNoticeWaiting[static_cast<std::size_t> (dependents.indices[static_cast<std::size_t> (i)])].store (
            true, std::memory_order_relaxed);
    if (dependents.count > 0)
        parameterNoticesWaiting.store (true, std::memory_order_release);
}

void SkiptorAudioProcessor::forwardHostNotices()
{
    if (hostDisplayStale.load (std::memory_order_relaxed) || parameterNoticesWaiting.load (std::memory_order_relaxed))
        triggerAsyncUpdate();
}

void SkiptorAudioProcessor::handleAsyncUpdate()
{
    if (parameterNoticesWaiting.exchange (false, std::memory_order_acquire))
        for (std::size_t index = 0; index < parameterNoticeWaiting.size(); ++index)
            if (parameterNoticeWaiting[index].exchange (false, std::memory_order_relaxed))
                getParameters()[static_cast<int> (index)]->sendValueChangedMessageToListeners (
                    model->parameterValues[index]);
    if (hostDisplayStale.exchange (false, std::memory_order_relaxed))
        updateHostDisplay (ChangeDetails().withParameterInfoChanged (true));
}

void SkiptorAudioProcessor::resetToBlank()
{
    model->reset();
    publishModelToHost (true);
}

void SkiptorAudioProcessor::getStateInformation (juce::MemoryBlock& destination)
{
    gatevox::writeHostStateBlock (*model, getSampleRate(), destination);
}

void SkiptorAudioProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    gatevox::restoreHostStateBlock (*model, data, sizeInBytes);
    // VST2 and VST3 hosts read every value again after a restore; JUCE's LV2
    // wrapper passes on only the values it is told of.
    publishModelToHost (wrapperType == wrapperType_LV2);
}

gatevox::PresetResult SkiptorAudioProcessor::savePreset (const juce::String& name)
{
    return gatevox::savePreset (*model, gatevox::defaultPresetFolder(), name, getSampleRate());
}

gatevox::PresetResult SkiptorAudioProcessor::loadPreset (const juce::String& name)
{
    const auto result = gatevox::loadPreset (*model, gatevox::defaultPresetFolder(), name, editorLock);
    if (result == gatevox::PresetResult::done)
        publishModelToHost (true);
    return result;
}

juce::StringArray SkiptorAudioProcessor::presetNames() const
{
    return gatevox::listPresets (gatevox::defaultPresetFolder());
}

bool SkiptorAudioProcessor::changeGlobalOption (gatevox::GlobalOptions::Option option, float value)
{
    return globalSettings.change (option, value);
}

void SkiptorAudioProcessor::setParameterFromHost (int index, float value)
{
    gatevox::setParameter (*model, index, value,
                           isNonRealtime() ? gatevox::RebuildTiming::now : gatevox::RebuildTiming::deferred);
    publishDependents (index);
}

void SkiptorAudioProcessor::setParameterNotifyingHost (int index, float value)
{
    if (auto* parameter = getParameters()[index])
        parameter->setValueNotifyingHost (value);
}

void SkiptorAudioProcessor::chooseKernel (int s, const juce::String& kernelName)
{
    const int slot = std::clamp (s, 0, gatevox::numSlots - 1);
    // A name outside the catalogue runs as "BYPASS", and loads nothing.
    const int found = gatevox::kernelIdOfName (kernelName.toStdString());
    const int id = found < 0 ? gatevox::kernelId::bypass : found;
    model->slot (slot).ints.waitingWrite (gatevox::SlotSettings::kernelId, id);
    const auto name = gatevox::kernelNameOfId (id);
    kernelDefaults[static_cast<std::size_t> (slot)].load (model->kernelParams (slot),
                                                          juce::String (name.data(), name.size()));
}

const juce::String SkiptorAudioProcessor::getInputChannelName (int channelIndex) const
{
    if (channelIndex == 0)
        return "ChannelLeft";
    if (channelIndex == 1)
        return "ChannelRight";
    return "Channel" + juce::String (channelIndex + 1);
}

const juce::String SkiptorAudioProcessor::getOutputChannelName (int channelIndex) const
{
    return juce::String (channelIndex + 1);
}

juce::AudioProcessorEditor* SkiptorAudioProcessor::createEditor()
{
    return new gatevox::MainGUI (*this);
}

bool SkiptorAudioProcessor::isBusesLayoutSupported (const BusesLayout& layouts) const
{
    return layouts.getMainInputChannelSet() == juce::AudioChannelSet::stereo() &&
           layouts.getMainOutputChannelSet() == juce::AudioChannelSet::stereo();
}

void SkiptorAudioProcessor::prepareToPlay (double sampleRate, int)
{
    model->prepareToPlay (sampleRate);
    transportFollower.reset();
}

std::optional<gatevox::HostPosition> SkiptorAudioProcessor::hostPosition (int numSamples)
{
    auto* hostPlayHead = getPlayHead();
    if (hostPlayHead == nullptr)
        return std::nullopt;

    gatevox::HostReport report;
    if (const auto position = hostPlayHead->getPosition())
    {
        // A host that leaves out the tempo keeps the last one.
        report.present = true;
        report.bpm = position->getBpm().orFallback (std::numeric_limits<double>::quiet_NaN());
        if (const auto ppq = position->getPpqPosition())
            report.ppq = *ppq;
        if (const auto frame = position->getTimeInSamples())
            report.frame = *frame;
        report.playing = position->getIsPlaying();
    }
    return transportFollower.follow (report, numSamples, getSampleRate());
}

void SkiptorAudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    juce::ScopedNoDenormals noDenormals;

    const int numSamples = buffer.getNumSamples();
    if (numSamples <= 0 || buffer.getNumChannels() == 0)
        return;

    auto* left = buffer.getWritePointer (0);
    auto* right = getTotalNumInputChannels() > 1 && buffer.getNumChannels() > 1 ? buffer.getWritePointer (1) : left;
    if (!renderLoop.process (left, right, numSamples, hostPosition (numSamples)))
        return;

    for (int c = getTotalNumInputChannels(); c < juce::jmin (getTotalNumOutputChannels(), buffer.getNumChannels()); ++c)
        buffer.clear (c, 0, numSamples);
}

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new SkiptorAudioProcessor();
}
