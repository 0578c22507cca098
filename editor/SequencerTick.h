#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace gatevox
{

class SequencerButtons;

// One step key of the strip. Its colour tells which slot its step plays; a
// click is handed to the strip, which acts by its tool.
class sequencerTick final : public juce::Component, public juce::Button::Listener
{
public:
    static constexpr int width = 35;
    static constexpr int height = 37;

    // stepIndex 1-16; the key starts as "Fx 1".
    sequencerTick (int stepIndex, SequencerButtons& strip);
    ~sequencerTick() override;

    // Strip value 1-6; any other value shows and holds an empty step (6).
    void setStripValue (int value);
    [[nodiscard]] int getStripValue() const noexcept { return stripValue; }
    [[nodiscard]] int getStepIndex() const noexcept { return stepIndex; }

    // Whether the press that led to the latest click was made with the right button.
    [[nodiscard]] bool wasRightClicked() const noexcept { return rightClick; }

    void paint (juce::Graphics& g) override;
    void resized() override;
    void mouseDown (const juce::MouseEvent& e) override;
    void buttonClicked (juce::Button* button) override;

private:
    const int stepIndex;
    int stripValue = 0;
    bool rightClick = false;
    SequencerButtons& strip;
    juce::ImageButton button{"Sequencer Button"};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (sequencerTick)
};

} // namespace gatevox
