#include "editor/ControlStyle.h"

namespace gatevox::controlStyle
{
namespace
{
constexpr double knobStep = 1.0 / 1024.0;
} // namespace

void choiceBox (juce::ComboBox& box, const juce::String& textWhenNothingSelected)
{
    box.setEditableText (false);
    box.setJustificationType (juce::Justification::centredLeft);
    box.setTextWhenNothingSelected (textWhenNothingSelected);
    box.setTextWhenNoChoicesAvailable ("(no choices)");
}

void label (juce::Label& label, float fontHeight)
{
    label.setFont (juce::Font (fontHeight, juce::Font::plain));
    label.setJustificationType (juce::Justification::centredLeft);
    label.setEditable (false, false, false);
    label.setColour (juce::TextEditor::textColourId, juce::Colours::black);
    label.setColour (juce::TextEditor::backgroundColourId, juce::Colours::transparentBlack);
}

void imageButton (juce::ImageButton& button, const juce::Image& normal, const juce::Image& pressed)
{
    const juce::Colour noTint;
    button.setImages (false, true, true, normal, 1.0f, noTint, {}, 1.0f, noTint, pressed, 1.0f, noTint);
}

void knob (juce::Slider& knob, juce::Colour thumb)
{
    knob.setSliderStyle (juce::Slider::Rotary);
    knob.setRange (0.0, 1.0, knobStep);
    knob.setTextBoxStyle (juce::Slider::NoTextBox, false, 0, 0);
    knob.setColour (juce::Slider::thumbColourId, thumb);
}
} // namespace gatevox::controlStyle
