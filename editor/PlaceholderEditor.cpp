#include "editor/PlaceholderEditor.h"

namespace gatevox
{

PlaceholderEditor::PlaceholderEditor (juce::AudioProcessor& owner) : juce::AudioProcessorEditor (owner)
{
    setSize (800, 500);
}

void PlaceholderEditor::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::white);
    g.setColour (juce::Colours::black);
    g.setFont (24.0f);
    g.drawText ("Gatevox", getLocalBounds(), juce::Justification::centred);
}

} // namespace gatevox
