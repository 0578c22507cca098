// What the window's buttons, boxes and knobs do.
#include "editor/MainGUI.h"

#include "core/SkiptorAudioProcessor.h"
#include "editor/StepValues.h"
#include "params/ParameterLayout.h"

namespace gatevox
{
namespace
{
enum CopyMenuItem
{
    copyPattern = 1,
    copyPatternAllLayers = 2
};
} // namespace

void MainGUI::buttonClicked (juce::Button* button)
{
    if (button == &resetButton)
        stepEditing.resetSteps();
    else if (button == &copyButton)
        showCopyMenu();
    else if (button == &pasteButton)
    {
        stepEditing.paste();
        showPasteInsteadOfCopy (false);
    }
    else if (button == &fillButton)
        stepEditing.fillEmptySteps();
    else if (button == &drawTool)
        chooseTool (SequencerButtons::Tool::draw);
    else if (button == &deleteTool)
        chooseTool (SequencerButtons::Tool::erase);
    else if (button == &loadButton)
        loadPreset();
    else if (button == &saveButton)
        savePreset();

    for (int layer = 0; layer < numLayers; ++layer)
        if (button == &layerButtons[static_cast<std::size_t> (layer)])
            chooseLayer (layer);
}

void MainGUI::comboBoxChanged (juce::ComboBox* box)
{
    const juce::ScopedLock lock (audioProcessor.getEditorLock());
    const int id = box->getSelectedId();
    if (box == &selectedPatternBox)
    {
        audioProcessor.setParameterNotifyingHost (parameterIndex::selectedPattern, patternParameterValue (id - 1));
        stepEditing.showSteps (std::max (id - 1, 0), stepEditing.currentLayer());
    }
    else if (box == &patternCountBox)
        audioProcessor.setParameterNotifyingHost (parameterIndex::patternCount, patternParameterValue (id - 1));
    else if (box == &patternSpeedBox)
        audioProcessor.setParameterNotifyingHost (
            parameterIndex::patternSpeed,
            id < 2 ? 0.0f : static_cast<float> (id - 1) / static_cast<float> (box->getNumItems()));
}

void MainGUI::sliderValueChanged (juce::Slider* slider)
{
    const auto value = static_cast<float> (slider->getValue());
    if (slider == &gainKnob)
        audioProcessor.setParameterNotifyingHost (parameterIndex::effectGain, value);
    else if (slider == &mixKnob)
        audioProcessor.setParameterNotifyingHost (parameterIndex::effectMix, value);
}

void MainGUI::chooseLayer (int layer)
{
    for (std::size_t k = 0; k < layerButtons.size(); ++k)
        layerButtons[k].setToggleState (static_cast<int> (k) == layer, juce::dontSendNotification);
    audioProcessor.setParameterNotifyingHost (parameterIndex::layer, layerParameterValue (layer));
    stepEditing.showSteps (stepEditing.selectedPattern(), layer);
}

void MainGUI::chooseTool (SequencerButtons::Tool tool)
{
    strip.setTool (tool);
    drawTool.setToggleState (tool == SequencerButtons::Tool::draw, juce::dontSendNotification);
    deleteTool.setToggleState (tool == SequencerButtons::Tool::erase, juce::dontSendNotification);
}

void MainGUI::showCopyMenu()
{
    juce::PopupMenu menu;
    menu.setLookAndFeel (&getLookAndFeel());
    menu.addItem (copyPattern, "Copy Pattern");
    menu.addItem (copyPatternAllLayers, "Copy Pattern (All Layers)");

    // Dismissing the menu copies nothing.
    const juce::Component::SafePointer<MainGUI> self (this);
    menu.showMenuAsync (juce::PopupMenu::Options().withTargetComponent (&copyButton),
                        [self] (int item)
                        {
                            if (self == nullptr || item == 0)
                                return;
                            self->stepEditing.copy (item == copyPatternAllLayers ? PatternClipboard::Mode::allLayers
                                                                                 : PatternClipboard::Mode::oneLayer);
                            self->showPasteInsteadOfCopy (true);
                        });
}

// Copy and Paste share one place: a copy waits for its paste.
void MainGUI::showPasteInsteadOfCopy (bool paste)
{
    copyButton.setVisible (!paste);
    pasteButton.setVisible (paste);
}

void MainGUI::loadPreset()
{
    presets.load (presetBox.getText());
    stepEditing.showSelectedSteps();
}

void MainGUI::savePreset()
{
    const juce::Component::SafePointer<MainGUI> self (this);
    presets.save (
        [self] (const juce::String& name)
        {
            if (self != nullptr)
                self->refreshPresetList (name);
        });
}

} // namespace gatevox
