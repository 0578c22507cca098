#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

namespace gatevox
{

// The plug-in window until the full editor exists: 800 x 500, plain.
class PlaceholderEditor final : public juce::AudioProcessorEditor
{
public:
    explicit PlaceholderEditor (juce::AudioProcessor& owner);

    void paint (juce::Graphics& g) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PlaceholderEditor)
};

} // namespace gatevox
