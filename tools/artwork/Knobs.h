#pragma once

#include <juce_graphics/juce_graphics.h>

namespace gatevox::artwork
{

// Knob caps, transparent around the knob, their pointer straight up (they are
// turned by the look-and-feel about the picture's centre).

// 81 x 81: brushed aluminium in a dark skirt, a specular highlight, an orange pointer.
juce::Image largeKnob();

// 100 x 100: a dark scalloped knob with a white centre cap and a white pointer line.
juce::Image smallKnob();

} // namespace gatevox::artwork
