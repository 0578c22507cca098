#pragma once

#include <juce_graphics/juce_graphics.h>

namespace gatevox::artwork
{

// The faces of the window's buttons. A key given a backdrop is drawn opaque over
// it (the window's background behind the button, resampled to the picture's size);
// without one, it is drawn on a transparent picture.

// 83 x 27: a light grey raised key with its word in black; pressed, lit a little brighter.
juce::Image lightKey (const juce::String& word, bool pressed, const juce::Image& backdrop);

// 83 x 27: a small dark rounded button with its word in light grey, lettered large
// enough to stay legible when its button shows it at three quarters of its size.
juce::Image darkButton (const juce::String& word, bool pressed, const juce::Image& backdrop);

// 60 x 25, transparent: a dark key with its word in grey, or in yellow when on.
juce::Image toolKey (const juce::String& word, bool on);

// 44 x 36, transparent: a dark square key with its digit in grey; when on, a lit
// frame and the digit in yellow.
juce::Image layerKey (int digit, bool on);

// 35 x 37: a square key cap in a slot's colour, with a dark window near its top
// edge where the step's light shows.
juce::Image stepKey (juce::Colour colour);

} // namespace gatevox::artwork
