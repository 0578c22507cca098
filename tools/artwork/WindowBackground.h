#pragma once

#include <juce_graphics/juce_graphics.h>

namespace gatevox::artwork
{

// 800 x 500, opaque: the wood header with the wordmark, the emblem, the preset
// plate and the knob scales, the metal field below with the output bracket,
// the pattern captions with their light slits, the strip's seat and the maker's emblem.
juce::Image windowBackground();

} // namespace gatevox::artwork
