#pragma once

#include "core/GlobalOptions.h"

#include <juce_gui_basics/juce_gui_basics.h>

class SkiptorAudioProcessor;

namespace gatevox
{

// The "Global Settings" page: the machine-wide options, each change stored in
// the processor and written to the settings file at once. The frequency
// estimation and empty sequence boxes are built but stay hidden.
class GlobalSettings final : public juce::Component, public juce::ComboBox::Listener, public juce::Button::Listener
{
public:
    static constexpr int width = 800;
    static constexpr int height = 214;

    explicit GlobalSettings (SkiptorAudioProcessor& processor);
    ~GlobalSettings() override;

    void paint (juce::Graphics& g) override;
    void resized() override;
    void comboBoxChanged (juce::ComboBox* box) override;
    void buttonClicked (juce::Button* button) override;

private:
    struct Choice
    {
        Choice (const char* labelName, const char* boxName, GlobalOptions::Option o)
            : label (labelName), box (boxName), option (o)
        {
        }

        juce::Label label;
        juce::ComboBox box;
        GlobalOptions::Option option;
    };

    void buildChoice (Choice& choice, const juce::String& labelText, const juce::StringArray& items);
    void buildToggle (juce::ToggleButton& toggle, const juce::String& text, GlobalOptions::Option option);

    SkiptorAudioProcessor& processor;
    Choice smoothing{"label smoothing", "combo smoothing", GlobalOptions::additionalSmoothing};
    Choice frequencyEstimation{"label freq est", "new combo box", GlobalOptions::frequencyEstimation};
    Choice emptySequence{"label empty seq", "combo empty default", GlobalOptions::emptySequenceDefault};
    Choice routing{"label default routing", "combo default routing", GlobalOptions::defaultRoutingPath};
    juce::ToggleButton followSongPosition{"toggle pattern pos follow"};
    juce::ToggleButton effectAutoSelect{"toggle effect autoselect"};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (GlobalSettings)
};

} // namespace gatevox
