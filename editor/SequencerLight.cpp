#include "editor/SequencerLight.h"

namespace gatevox
{

SequencerLight::SequencerLight() : juce::Component ("SequencerLight")
{
    setSize (10, 10);
}

void SequencerLight::setLit (bool lit)
{
    const juce::Colour wanted (lit ? litColour : darkColour);
    if (wanted == colour)
        return;

    colour = wanted;
    repaint();
}

void SequencerLight::paint (juce::Graphics& g)
{
    if (!colour.isTransparent())
        g.fillAll (colour);
}

} // namespace gatevox
