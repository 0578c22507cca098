#pragma once

#include <juce_graphics/juce_graphics.h>

namespace gatevox::artwork
{

// 657 x 54, opaque: four groups of four light key wells in a dark frame, one
// well under each step key.
juce::Image stripBackground();

// 762 x 230, opaque: brushed light metal with a darker ledge along the bottom
// that throws its shadow upwards.
juce::Image slotBackdrop();

// 300 x 203, transparent corners: a dark bezel with four screws around a
// yellow-green glass screen with a glare at the upper right.
juce::Image previewScreen();

// 402 x 152, opaque: grey stone darkening towards the bottom.
juce::Image panelTexture();

// 139 x 26, transparent: the caption Filter/Effect: in bold white.
juce::Image filterEffectCaption();

// 800 x 233, opaque: grey noisy metal, lighter in the middle.
juce::Image settingsBackground();

// 150 x 150, transparent: the maker's emblem.
juce::Image settingsEmblem();

} // namespace gatevox::artwork
