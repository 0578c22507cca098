#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Draws the component into a picture, writes it as "<name>.png" to the
// snapshot folder for review and compares it with the committed reference
// "<name>.png", allowing for small differences in how text and images are
// smoothed. With GATEVOX_UPDATE_SNAPSHOTS=1 in the environment the picture
// replaces the reference instead (look at it before committing it).
void expectLooksLikeReference (juce::Component& component, const juce::String& name);
