#pragma once

#include <juce_graphics/juce_graphics.h>

// The window's pictures, decoded on first use through JUCE's image cache from
// the data compiled into the program. This is the only code that names a
// picture's resource.
namespace gatevox::images
{
juce::Image windowBackground();
juce::Image resetKey (bool pressed);
juce::Image copyKey (bool pressed);
juce::Image pasteKey (bool pressed);
juce::Image fillKey (bool pressed);
juce::Image drawTool (bool on);
juce::Image deleteTool (bool on);
juce::Image layerKey (int layer, bool on); // layer 0-3
juce::Image stripBackground();
juce::Image stepKey (int slot); // slot 0-4: "Fx 1" to "Fx 5"
juce::Image slotBackdrop();
juce::Image previewScreen();
juce::Image panelTexture();
juce::Image filterEffectCaption();
juce::Image largeKnob();
juce::Image smallKnob();
juce::Image settingsBackground();
juce::Image settingsEmblem();
} // namespace gatevox::images
