#pragma once

#include "editor/SequencerTick.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <memory>

class SkiptorAudioProcessor;

namespace gatevox
{

// The strip of sixteen step keys with which the user writes the steps of the
// selected pattern in the current layer. The keys are a view the window fills
// from the processor; a draw-mode click only changes the key (the window's
// timer sends it on), a delete-mode click empties the step in the processor
// at once.
class SequencerButtons final : public juce::Component, public juce::SettableTooltipClient
{
public:
    enum class Tool
    {
        draw,
        erase
    };

    static constexpr int width = 657;
    static constexpr int height = 54;
    static constexpr int numKeys = 16;

    // tabs: the window's tab panel, brought to the drawn slot's page when the
    // effect auto-select option is on.
    SequencerButtons (SkiptorAudioProcessor& processor, juce::TabbedComponent& tabs);
    ~SequencerButtons() override;

    // Key index 1-16 to a strip value 1-6, under the editor lock; an index
    // outside 1-16 does nothing.
    void setKey (int index, int stripValue);
    // The strip value of key 1-16; 0 for any other index.
    [[nodiscard]] int getKey (int index) const noexcept;
    [[nodiscard]] sequencerTick& keyAt (int index) noexcept;

    // Sends step parameter "Step <index>" for a strip value, telling the host.
    void sendStep (int index, int stripValue);

    void setTool (Tool t) noexcept { tool = t; }

    // The strip value a key had before the last left-click in draw mode; what
    // a right-click and Fill repeat.
    [[nodiscard]] int getLastSetting() const noexcept { return lastSetting; }

    void paint (juce::Graphics& g) override;
    void resized() override;

    // A key's button was clicked with either mouse button.
    void keyClicked (sequencerTick& key);

private:
    void eraseStep (sequencerTick& key);
    void drawStep (sequencerTick& key);

    SkiptorAudioProcessor& processor;
    juce::TabbedComponent& tabs;
    Tool tool = Tool::draw;
    int lastSetting = 1;
    std::array<std::unique_ptr<sequencerTick>, numKeys> keys;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SequencerButtons)
};

} // namespace gatevox
