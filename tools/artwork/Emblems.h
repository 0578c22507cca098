#pragma once

#include <juce_graphics/juce_graphics.h>

namespace gatevox::artwork
{

// The product's emblem: a dark badge in a brass ring holding five amber step
// bars, three of them lit, within a square area.
void drawProductEmblem (juce::Graphics& g, juce::Rectangle<float> area);

// The product's name in ivory capitals-and-lower-case with a brass sheen,
// pressed into the surface, left-aligned in an area.
void drawWordmark (juce::Graphics& g, juce::Rectangle<float> area);

// The maker's emblem: a silver monogram of a V running into a mountain ridge on
// a deep blue disc, over the maker's name in spaced capitals.
void drawMakerEmblem (juce::Graphics& g, juce::Rectangle<float> area);

} // namespace gatevox::artwork
