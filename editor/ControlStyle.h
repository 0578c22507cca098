#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// How the window's controls of one kind are set up, shared by its panels.
namespace gatevox::controlStyle
{
// A choice box the user cannot type into, its text at the left.
void choiceBox (juce::ComboBox& box, const juce::String& textWhenNothingSelected);

// A label that is never edited, its text at the left; black text on a clear
// ground should an editor ever open.
void label (juce::Label& label, float fontHeight);

// A picture button: the normal picture, and the pressed one also while the
// button is on; no hover picture or tint, scaled with its proportions kept.
void imageButton (juce::ImageButton& button, const juce::Image& normal, const juce::Image& pressed);

// A rotary knob 0-1 in steps of 1/1024, without a text box.
void knob (juce::Slider& knob, juce::Colour thumb);
} // namespace gatevox::controlStyle
