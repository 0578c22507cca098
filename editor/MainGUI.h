#pragma once

#include "core/ModelSizes.h"
#include "editor/InstalledFeel.h"
#include "editor/PresetShelf.h"
#include "editor/SequencerButtons.h"
#include "editor/SequencerLight.h"
#include "editor/StepEditing.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <array>

class SkiptorAudioProcessor;

namespace gatevox
{

class SettingComponent;

// The plug-in window, 800 x 500: the slot pages and the settings page in a
// tab panel, the step strip with its lights, the pattern, layer, tool and
// preset controls and the master knobs. User actions reach the processor as
// parameter changes the host records; a 200 ms timer copies the processor's
// state back into the controls without notification.
class MainGUI final : public juce::AudioProcessorEditor,
                      public juce::ComboBox::Listener,
                      public juce::Slider::Listener,
                      public juce::Button::Listener,
                      public juce::Timer
{
public:
    // The preset controls work on the machine's preset folder through the
    // processor, or on the folder given.
    explicit MainGUI (SkiptorAudioProcessor& processor);
    MainGUI (SkiptorAudioProcessor& processor, const juce::File& presetFolder);
    ~MainGUI() override;

    void paint (juce::Graphics& g) override;
    void resized() override;
    void buttonClicked (juce::Button* button) override;
    void comboBoxChanged (juce::ComboBox* box) override;
    void sliderValueChanged (juce::Slider* slider) override;
    void timerCallback() override;

    // Rebuilds the Presets box and selects the named preset if it is listed.
    void refreshPresetList (const juce::String& presetName);

    [[nodiscard]] juce::TabbedComponent& getTabPanel() noexcept { return tabs; }
    [[nodiscard]] SequencerButtons& getStrip() noexcept { return strip; }
    [[nodiscard]] const SequencerLight& getLight (int index) const noexcept;
    [[nodiscard]] const PresetShelf& getPresets() const noexcept { return presets; }
    [[nodiscard]] SettingComponent& getSlotPage (int slot) const noexcept;

private:
    MainGUI (SkiptorAudioProcessor& processor, PresetAccess presetAccess);

    void buildTabs();
    void buildControls();
    void choosePatternFromBox (juce::ComboBox& box);
    void chooseLayer (int layer);
    void chooseTool (SequencerButtons::Tool tool);
    void showCopyMenu();
    void showPasteInsteadOfCopy (bool paste);
    void loadPreset();
    void savePreset();

    // The timer's steps after the step edits are pushed.
    void refreshSlotPages (int currentTab);
    [[nodiscard]] float currentTempo() const;
    void showSequencerState();
    void passSnapStep (int currentTab, float tempo);
    [[nodiscard]] int followPlayingPattern (int selectedPattern);
    void showPlayingStep (int shownPattern);

    SkiptorAudioProcessor& audioProcessor;
    InstalledFeel feel;

    juce::TabbedComponent tabs{juce::TabbedButtonBar::TabsAtTop};
    std::array<SettingComponent*, numSlots> slotPages{};
    SequencerButtons strip{audioProcessor, tabs};

    juce::ComboBox selectedPatternBox;
    juce::ComboBox patternCountBox;
    juce::Slider gainKnob;
    juce::Slider mixKnob;
    juce::ComboBox patternSpeedBox{"Pattern Speed"};
    std::array<SequencerLight, numSteps> lights;
    juce::ImageButton resetButton{"new button"};
    juce::ComboBox presetBox{"Presets"};
    juce::TextButton loadButton{"Load Preset"};
    juce::TextButton saveButton{"Save Preset"};
    juce::Label presetLabel{"new label", "Preset:"};
    juce::Label layerLabel{"Pattern Layer", "Pattern Layer:"};
    std::array<juce::ImageButton, numLayers> layerButtons;
    juce::Label currentPatternLabel{"Debug", "Debugging Text"};
    juce::ImageButton copyButton{"Copy Button"};
    juce::ImageButton pasteButton{"Paste Button"};
    juce::ImageButton fillButton{"fill button"};
    juce::ImageButton deleteTool{"toolDelete"};
    juce::ImageButton drawTool{"toolDraw"};

    juce::Image background;
    StepEditing stepEditing{audioProcessor, strip};
    PresetShelf presets;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainGUI)
};

} // namespace gatevox
