#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

class SkiptorAudioProcessor;

// One of the 197 automation parameters as every plug-in format sees it: a thin
// forwarder to the engine's parameter table. Its identity comes from its index
// ("p000" to "p196", zero-padded so that hosts which sort identities keep the
// order, and the index itself where a format numbers parameters), so it is the
// same in every format and every version.
class SkiptorParameter final : public juce::AudioProcessorParameterWithID
{
public:
    SkiptorParameter (SkiptorAudioProcessor& processorToControl, int indexInTable);

    float getValue() const override;
    void setValue (float newValue) override;
    float getDefaultValue() const override;
    juce::String getName (int maximumStringLength) const override;
    juce::String getLabel() const override { return {}; }
    juce::String getText (float value, int maximumStringLength) const override;
    float getValueForText (const juce::String& text) const override;

private:
    SkiptorAudioProcessor& processor;
    const int index;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SkiptorParameter)
};
