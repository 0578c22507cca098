#include "SkiptorAudioProcessor.h"

#include "../editor/PlaceholderEditor.h"
#include "../persistence/SharedFolder.h"

#include <limits>

SkiptorAudioProcessor::SkiptorAudioProcessor()
    : juce::AudioProcessor (BusesProperties()
                                .withInput ("Input", juce::AudioChannelSet::stereo(), true)
                                .withOutput ("Output", juce::AudioChannelSet::stereo(), true)),
      model (std::make_unique<gatevox::ProcessorModel> (gatevox::userWaveFileText)),
      clock (*model)
{
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
    return new gatevox::PlaceholderEditor (*this);
}

bool SkiptorAudioProcessor::isBusesLayoutSupported (const BusesLayout& layouts) const
{
    return layouts.getMainInputChannelSet() == juce::AudioChannelSet::stereo()
           && layouts.getMainOutputChannelSet() == juce::AudioChannelSet::stereo();
}

void SkiptorAudioProcessor::prepareToPlay (double sampleRate, int)
{
    model->prepareToPlay (sampleRate);
}

std::optional<gatevox::HostPosition> SkiptorAudioProcessor::hostPosition() const
{
    auto* hostPlayHead = getPlayHead();
    if (hostPlayHead == nullptr)
        return std::nullopt;

    const auto position = hostPlayHead->getPosition();
    if (! position.hasValue())
        return std::nullopt;

    // A host that leaves out the tempo keeps the last one; one that leaves
    // out the position is treated as parked at the start.
    return gatevox::HostPosition { position->getBpm().orFallback (std::numeric_limits<double>::quiet_NaN()),
                                   position->getPpqPosition().orFallback (0.0) };
}

void SkiptorAudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    juce::ScopedNoDenormals noDenormals;

    if (! clock.blockStart (hostPosition()) || model->initialised.load() == 0)
        return;

    for (int i = 0; i < buffer.getNumSamples(); ++i)
    {
        clock.sampleHead();
        clock.sampleTail();
    }
}

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new SkiptorAudioProcessor();
}
