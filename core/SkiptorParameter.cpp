#include "core/SkiptorParameter.h"

#include "core/SkiptorAudioProcessor.h"
#include "params/ParameterApplier.h"
#include "params/ParameterLayout.h"
#include "params/ParameterText.h"

SkiptorParameter::SkiptorParameter (SkiptorAudioProcessor& processorToControl, int indexInTable)
    : juce::AudioProcessorParameterWithID (juce::ParameterID{"p" + juce::String (indexInTable).paddedLeft ('0', 3), 1},
                                           gatevox::parameterName (indexInTable)),
      processor (processorToControl), index (indexInTable)
{
}

float SkiptorParameter::getValue() const
{
    return gatevox::parameterValue (processor.getModel(), index);
}

float SkiptorParameter::getDefaultValue() const
{
    return processor.blankValue (index);
}

void SkiptorParameter::setValue (float newValue)
{
    processor.setParameterFromHost (index, newValue);
}

juce::String SkiptorParameter::getName (int maximumStringLength) const
{
    return juce::String (gatevox::parameterName (index)).substring (0, juce::jmax (0, maximumStringLength));
}

juce::String SkiptorParameter::getText (float value, int maximumStringLength) const
{
    // The host shows the normalised value itself, as "%.9g" in the C locale.
    const float shown = value >= 0.0f && value <= 1.0f ? value : 0.0f;
    return juce::String (gatevox::formatParameterValue (shown)).substring (0, juce::jmax (0, maximumStringLength));
}

float SkiptorParameter::getValueForText (const juce::String& text) const
{
    return juce::jlimit (0.0f, 1.0f, text.trim().getFloatValue());
}
