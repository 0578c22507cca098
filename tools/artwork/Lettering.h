#pragma once

#include <juce_graphics/juce_graphics.h>

namespace gatevox::artwork
{

// The lettering of every picture: one bold sans face, loaded from its font file
// so that every machine draws the same letters.
juce::Font boldFont (float height);

// Places text within an area: horizontally by the justification's left, right
// or centre, and vertically with its capitals centred, whatever its descenders.
juce::Path placedText (const juce::String& text, const juce::Font& font, juce::Rectangle<float> area,
                       juce::Justification justification, float tracking = 0.0f);

// Text that looks stamped into a surface: a dark edge above, a light edge below.
void drawEngraved (juce::Graphics& g, const juce::Path& text, juce::Colour colour, float depth = 1.0f);

// Text printed on a surface, with a soft shadow under it.
void drawPrinted (juce::Graphics& g, const juce::Path& text, juce::Colour colour, juce::Colour shadow);

} // namespace gatevox::artwork
