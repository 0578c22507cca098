#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace gatevox
{

// The window's look-and-feel: its own tick boxes, combo boxes and knobs; every
// other control keeps the classic drawing and colours.
// The classic look is LookAndFeel_V2 in this framework (the bare LookAndFeel is abstract).
class SkiptorFeel final : public juce::LookAndFeel_V2, public juce::DeletedAtShutdown
{
public:
    SkiptorFeel() = default;

    void drawTickBox (juce::Graphics& g, juce::Component& component, float x, float y, float w, float h, bool ticked,
                      bool isEnabled, bool isMouseOver, bool isDown) override;

    void drawComboBox (juce::Graphics& g, int width, int height, bool isDown, int buttonX, int buttonY, int buttonW,
                       int buttonH, juce::ComboBox& box) override;

    juce::Font getComboBoxFont (juce::ComboBox& box) override;

    void drawComboBoxTextWhenNothingSelected (juce::Graphics& g, juce::ComboBox& box, juce::Label& label) override;

    void drawRotarySlider (juce::Graphics& g, int x, int y, int width, int height, float position, float startAngle,
                           float endAngle, juce::Slider& slider) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SkiptorFeel)
};

} // namespace gatevox
