#pragma once

#include <juce_graphics/juce_graphics.h>

#include <functional>

namespace gatevox::artwork
{

// Builds a picture pixel by pixel from a shading function of (x, y).
juce::Image shadePixels (int width, int height, juce::Image::PixelFormat format,
                         const std::function<juce::Colour (int, int)>& shade);

// A colour from red, green and blue in 0-1, clamped.
juce::Colour rgb (float red, float green, float blue, float alpha = 1.0f);

// Darkens the corners and edges of an area, as light falling off away from its centre.
void vignette (juce::Graphics& g, juce::Rectangle<float> area, float strength);

// A linear light from above: brighter at the top, darker at the bottom.
void lightFromAbove (juce::Graphics& g, juce::Rectangle<float> area, float highlight, float shadow);

// A soft blurred shadow of a shape, drawn before the shape itself.
void softShadow (juce::Graphics& g, const juce::Path& shape, juce::Colour colour, int radius, juce::Point<int> offset);

// A part of a picture resampled to a new size, e.g. the window's background behind a key.
juce::Image resampledCrop (const juce::Image& source, juce::Rectangle<float> area, int width, int height);

} // namespace gatevox::artwork
