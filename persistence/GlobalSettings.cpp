#include "persistence/GlobalSettings.h"

#include "core/SkiptorAudioProcessor.h"
#include "editor/ControlStyle.h"
#include "editor/Images.h"

namespace gatevox
{
namespace
{
constexpr float labelFontHeight = 12.9f;
constexpr float backgroundOpacity = 0.604f;
constexpr float emblemOpacity = 0.868f;

const juce::Rectangle<int> smoothingLabelBounds{8, 22, 150, 24};
const juce::Rectangle<int> smoothingBoxBounds{14, 43, 170, 20};
const juce::Rectangle<int> routingLabelBounds{194, 24, 192, 24};
const juce::Rectangle<int> routingBoxBounds{199, 44, 163, 20};
const juce::Rectangle<int> followToggleBounds{380, 20, 248, 24};
const juce::Rectangle<int> autoSelectToggleBounds{380, 43, 216, 24};
const juce::Rectangle<float> backgroundArea{0.0f, 0.0f, 800.0f, 218.0f};
const juce::Rectangle<float> emblemArea{640.0f, 8.0f, 100.0f, 100.0f};

const char* const smoothingTooltip = "* Transitions are already smoothed with LPFs that are triggered on transitions "
                                     "by an adaptive identity matrix";
const char* const autoSelectTooltip =
    "Changing a sequence step will automatically take you to the respective effect kernel";

void drawImageInto (juce::Graphics& g, const juce::Image& image, juce::Rectangle<float> area, float opacity)
{
    g.setOpacity (opacity);
    g.drawImage (image, area, juce::RectanglePlacement::stretchToFit);
}
} // namespace

GlobalSettings::GlobalSettings (SkiptorAudioProcessor& owner) : processor (owner)
{
    buildChoice (smoothing, "Additional Smoothing:\n",
                 {"None", "First Order Low Pass", "Moving Average 1", "Moving Average 2", "Exponential"});
    smoothing.label.setTooltip (smoothingTooltip);
    buildChoice (frequencyEstimation, "Frequency Estimation:", {"FFT", "ZCR", "ZCR w/ Thres"});
    buildChoice (emptySequence, "Empty Sequence Defaults To:", {"Bypass", "Silence"});
    buildChoice (routing, "Default Routing Path:", {"Parallel", "Series"});
    buildToggle (followSongPosition, "Pattern Switches with Song Position", GlobalOptions::patternFollowsSongPosition);
    buildToggle (effectAutoSelect, "Automatic Pattern Switching", GlobalOptions::effectAutoSelect);
    effectAutoSelect.setTooltip (autoSelectTooltip);

    // Only the settings file changes these two.
    for (auto* hidden : std::initializer_list<Choice*>{&frequencyEstimation, &emptySequence})
    {
        hidden->label.setVisible (false);
        hidden->box.setVisible (false);
    }

    setSize (width, height);
}

GlobalSettings::~GlobalSettings()
{
    for (auto* choice : {&smoothing, &frequencyEstimation, &emptySequence, &routing})
        choice->box.removeListener (this);
    followSongPosition.removeListener (this);
    effectAutoSelect.removeListener (this);
}

void GlobalSettings::buildChoice (Choice& choice, const juce::String& labelText, const juce::StringArray& items)
{
    choice.label.setText (labelText, juce::dontSendNotification);
    controlStyle::label (choice.label, labelFontHeight);
    addAndMakeVisible (choice.label);

    // The boxes start with nothing chosen, whatever the options hold.
    choice.box.addItemList (items, 1);
    controlStyle::choiceBox (choice.box, items[0]);
    choice.box.addListener (this);
    addAndMakeVisible (choice.box);
}

void GlobalSettings::buildToggle (juce::ToggleButton& toggle, const juce::String& text, GlobalOptions::Option option)
{
    toggle.setButtonText (text);
    toggle.setToggleState (processor.getModel().globalOptions.read (option) == 1, juce::dontSendNotification);
    toggle.addListener (this);
    addAndMakeVisible (toggle);
}

void GlobalSettings::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::white);
    drawImageInto (g, images::settingsBackground(), backgroundArea, backgroundOpacity);
    drawImageInto (g, images::settingsEmblem(), emblemArea, emblemOpacity);
}

void GlobalSettings::resized()
{
    smoothing.label.setBounds (smoothingLabelBounds);
    smoothing.box.setBounds (smoothingBoxBounds);
    routing.label.setBounds (routingLabelBounds);
    routing.box.setBounds (routingBoxBounds);
    followSongPosition.setBounds (followToggleBounds);
    effectAutoSelect.setBounds (autoSelectToggleBounds);
}

void GlobalSettings::comboBoxChanged (juce::ComboBox* box)
{
    for (auto* choice : {&smoothing, &frequencyEstimation, &emptySequence, &routing})
        if (box == &choice->box)
            processor.changeGlobalOption (choice->option, static_cast<float> (box->getSelectedId()));
}

void GlobalSettings::buttonClicked (juce::Button* button)
{
    const auto option =
        button == &followSongPosition ? GlobalOptions::patternFollowsSongPosition : GlobalOptions::effectAutoSelect;
    processor.changeGlobalOption (option, button->getToggleState() ? 1.0f : 0.0f);
}

} // namespace gatevox
