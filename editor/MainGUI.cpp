#include "editor/MainGUI.h"

#include "core/SkiptorAudioProcessor.h"
#include "editor/ControlStyle.h"
#include "editor/Images.h"
#include "editor/MainLayout.h"
#include "editor/SettingComponent.h"
#include "persistence/GlobalSettings.h"

namespace gatevox
{
namespace layout = mainLayout;

namespace
{
constexpr int layerRadioGroup = 1;
} // namespace

MainGUI::MainGUI (SkiptorAudioProcessor& p) : MainGUI (p, PresetAccess::throughProcessor (p)) {}

MainGUI::MainGUI (SkiptorAudioProcessor& p, const juce::File& presetFolder)
    : MainGUI (p, PresetAccess::inFolder (p, presetFolder))
{
}

MainGUI::MainGUI (SkiptorAudioProcessor& p, PresetAccess presetAccess)
    : juce::AudioProcessorEditor (p), audioProcessor (p), presets (p, std::move (presetAccess), *this)
{
    setLookAndFeel (feel.get());
    buildTabs();
    strip.setTooltip ("Right-clicking on a step will set it using the last setting");
    addAndMakeVisible (strip);
    buildControls();
    background = images::windowBackground();

    stepEditing.showSelectedSteps();
    pasteButton.setVisible (false);
    drawTool.setToggleState (true, juce::dontSendNotification);
    refreshPresetList ("Default");
    presetBox.setText (PresetShelf::blankName, juce::dontSendNotification);

    setWantsKeyboardFocus (true);
    setSize (layout::windowWidth, layout::windowHeight);
    startTimer (layout::timerIntervalMs);
}

MainGUI::~MainGUI()
{
    stopTimer();
    background = {};
    removeAllChildren();
    tabs.clearTabs();
    setLookAndFeel (nullptr);
}

void MainGUI::buildTabs()
{
    tabs.setTabBarDepth (layout::tabBarDepth);
    for (int slot = 0; slot < numSlots; ++slot)
        tabs.addTab ("Fx " + juce::String (slot + 1),
                     juce::Colour (layout::tabColours[static_cast<std::size_t> (slot)]),
                     new SettingComponent (slot + 1, audioProcessor), true);
    tabs.addTab ("Global Settings", juce::Colour (layout::tabColours.back()), new GlobalSettings (audioProcessor),
                 true);
    tabs.setCurrentTabIndex (0, true);

    for (int slot = 0; slot < numSlots; ++slot)
        slotPages[static_cast<std::size_t> (slot)] =
            dynamic_cast<SettingComponent*> (tabs.getTabContentComponent (slot));
    addAndMakeVisible (tabs);
}

void MainGUI::buildControls()
{
    const auto listen = [this] (auto& control)
    {
        control.addListener (this);
        addAndMakeVisible (control);
    };

    for (auto* box : {&selectedPatternBox, &patternCountBox})
    {
        for (int id = 1; id <= numPatterns; ++id)
            box->addItem (juce::String (id), id);
        controlStyle::choiceBox (*box, {});
        listen (*box);
    }
    for (auto* knob : {&gainKnob, &mixKnob})
    {
        controlStyle::knob (*knob, juce::Colour (layout::knobThumbColour));
        listen (*knob);
    }
    patternSpeedBox.addItemList ({"1/2", "1/4", "1/8"}, 1);
    controlStyle::choiceBox (patternSpeedBox, "1/16");
    listen (patternSpeedBox);
    for (auto& light : lights)
        addAndMakeVisible (light);

    controlStyle::imageButton (resetButton, images::resetKey (false), images::resetKey (true));
    listen (resetButton);

    controlStyle::choiceBox (presetBox, {});
    presetBox.setColour (juce::ComboBox::textColourId, juce::Colour (layout::presetBoxText));
    listen (presetBox);
    for (auto* button : {&loadButton, &saveButton})
    {
        button->setButtonText (button == &loadButton ? "Load" : "Save");
        button->setColour (juce::TextButton::buttonColourId, juce::Colour (layout::presetButtonColour));
        button->setColour (juce::TextButton::buttonOnColourId, juce::Colour (layout::presetButtonOnColour));
        listen (*button);
    }

    controlStyle::label (presetLabel, layout::presetLabelFontHeight);
    addAndMakeVisible (presetLabel);
    controlStyle::label (layerLabel, layout::footLabelFontHeight);
    layerLabel.setColour (juce::Label::textColourId, juce::Colour (layout::footLabelText));
    addAndMakeVisible (layerLabel);

    for (int layer = 0; layer < numLayers; ++layer)
    {
        auto& button = layerButtons[static_cast<std::size_t> (layer)];
        controlStyle::imageButton (button, images::layerKey (layer, false), images::layerKey (layer, true));
        button.setRadioGroupId (layerRadioGroup);
        listen (button);
    }

    controlStyle::label (currentPatternLabel, layout::footLabelFontHeight);
    currentPatternLabel.setColour (juce::Label::textColourId, juce::Colour (layout::footLabelText));
    addAndMakeVisible (currentPatternLabel);

    copyButton.setButtonText ("copy button");
    copyButton.setTriggeredOnMouseDown (true);
    controlStyle::imageButton (copyButton, images::copyKey (false), images::copyKey (true));
    pasteButton.setButtonText ("paste button");
    controlStyle::imageButton (pasteButton, images::pasteKey (false), images::pasteKey (true));
    fillButton.setButtonText ("Fill");
    controlStyle::imageButton (fillButton, images::fillKey (false), images::fillKey (true));
    deleteTool.setButtonText ("delete tool");
    controlStyle::imageButton (deleteTool, images::deleteTool (false), images::deleteTool (true));
    drawTool.setButtonText ("draw tool");
    controlStyle::imageButton (drawTool, images::drawTool (false), images::drawTool (true));
    for (auto* button : {&copyButton, &pasteButton, &fillButton, &deleteTool, &drawTool})
        listen (*button);
}

void MainGUI::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::white);
    g.setColour (juce::Colours::black);
    g.drawImage (background, getLocalBounds().toFloat(), juce::RectanglePlacement::centred);
}

void MainGUI::resized()
{
    tabs.setBounds (layout::tabPanel);
    strip.setBounds (layout::stepStrip);
    for (std::size_t t = 0; t < lights.size(); ++t)
        lights[t].setBounds (layout::lightX[t], layout::lightY, layout::lightWidth, layout::lightHeight);

    selectedPatternBox.setBounds (layout::selectedPatternBox);
    patternCountBox.setBounds (layout::patternCountBox);
    patternSpeedBox.setBounds (layout::patternSpeedBox);
    gainKnob.setBounds (layout::gainKnob);
    mixKnob.setBounds (layout::mixKnob);

    presetLabel.setBounds (layout::presetLabel);
    presetBox.setBounds (layout::presetBox);
    loadButton.setBounds (layout::loadButton);
    saveButton.setBounds (layout::saveButton);

    resetButton.setBounds (layout::resetButton);
    copyButton.setBounds (layout::copyPasteButton);
    pasteButton.setBounds (layout::copyPasteButton);
    fillButton.setBounds (layout::fillButton);
    drawTool.setBounds (layout::drawTool);
    deleteTool.setBounds (layout::deleteTool);

    layerLabel.setBounds (layout::layerLabel);
    for (std::size_t k = 0; k < layerButtons.size(); ++k)
        layerButtons[k].setBounds (layout::layerButtonX[k], layout::layerButtonY, layout::layerButtonWidth,
                                   layout::layerButtonHeight);
    currentPatternLabel.setBounds (layout::currentPatternLabel);
}

const SequencerLight& MainGUI::getLight (int index) const noexcept
{
    return lights[static_cast<std::size_t> (std::clamp (index, 1, numSteps) - 1)];
}

SettingComponent& MainGUI::getSlotPage (int slot) const noexcept
{
    return *slotPages[static_cast<std::size_t> (std::clamp (slot, 0, numSlots - 1))];
}

void MainGUI::refreshPresetList (const juce::String& presetName)
{
    presets.fillList (presetBox, presetName);
}

} // namespace gatevox
