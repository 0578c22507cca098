// The window's 200 ms timer: it pushes the strip's edits to the processor and
// copies the processor's state into the controls, without notification.
#include "editor/MainGUI.h"

#include "core/SkiptorAudioProcessor.h"
#include "editor/SettingComponent.h"
#include "editor/SnapInterval.h"
#include "editor/StepValues.h"
#include "params/ParameterLayout.h"

#include <cmath>

namespace gatevox
{
namespace
{
constexpr float fallbackTempo = 120.0f; // beats per minute while neither processor nor host knows one

} // namespace

void MainGUI::timerCallback()
{
    auto& model = audioProcessor.getModel();
    // A load or a kernel change is rewriting the model: wait for the next tick.
    if (model.reloadInProgress.load() > 0)
        return;

    // After a load or a restore the strip still shows the steps from before:
    // it takes the loaded ones instead of sending its own over them.
    if (model.resyncHold.load() > 0)
        stepEditing.showSelectedSteps();
    else
        stepEditing.pushStepEdits();

    const int currentTab = tabs.getCurrentTabIndex();
    refreshSlotPages (currentTab);
    const float tempo = currentTempo();
    showSequencerState();
    passSnapStep (currentTab, tempo);
    showPlayingStep (followPlayingPattern (model.sequencer.ints.read (SequencerState::pattern)));
    model.sequencer.ints.skippingWrite (SequencerState::selectedEffect, currentTab);
}

void MainGUI::refreshSlotPages (int currentTab)
{
    auto& model = audioProcessor.getModel();
    for (int slot = 0; slot < numSlots; ++slot)
    {
        const auto& floats = model.slot (slot).floats;
        getSlotPage (slot).refresh (
            currentTab, {model.slot (slot).ints.read (SlotSettings::waveform), floats.read (SlotSettings::phase),
                         floats.read (SlotSettings::lfoFrequency), floats.read (SlotSettings::snapIntervalNormalised)});
    }
}

float MainGUI::currentTempo() const
{
    const float tempo = audioProcessor.getModel().transport.tempo;
    if (!std::isnan (tempo) && std::abs (tempo) >= 1e-7f)
        return tempo;

    if (auto* playHead = audioProcessor.getPlayHead())
        if (const auto position = playHead->getPosition())
            return static_cast<float> (position->getBpm().orFallback (fallbackTempo));
    return fallbackTempo;
}

void MainGUI::showSequencerState()
{
    const auto& ints = audioProcessor.getModel().sequencer.ints;
    selectedPatternBox.setSelectedId (ints.read (SequencerState::pattern) + 1, juce::dontSendNotification);
    patternCountBox.setSelectedId (ints.read (SequencerState::patternCount) + 1, juce::dontSendNotification);
    patternSpeedBox.setSelectedId (ints.read (SequencerState::patternSpeed) + 1, juce::dontSendNotification);
    currentPatternLabel.setText ("Current Pattern: " + juce::String (ints.read (SequencerState::playPattern) + 1),
                                 juce::dontSendNotification);

    const auto& floats = audioProcessor.getModel().sequencer.floats;
    gainKnob.setValue (floats.read (SequencerState::effectGain), juce::dontSendNotification);
    mixKnob.setValue (floats.read (SequencerState::effectMix), juce::dontSendNotification);

    const auto layer = ints.read (SequencerState::layer);
    for (std::size_t k = 0; k < layerButtons.size(); ++k)
        layerButtons[k].setToggleState (static_cast<int> (k) == layer, juce::dontSendNotification);
}

void MainGUI::passSnapStep (int currentTab, float tempo)
{
    if (std::isnan (tempo) || currentTab < 0 || currentTab >= numSlots)
        return;

    const auto& ints = audioProcessor.getModel().slot (currentTab).ints;
    if (ints.read (SlotSettings::snapOn) == 0)
        return;

    const float divisions = snapInterval::divisions (ints.read (SlotSettings::snapInterval));
    getSlotPage (currentTab).setSnapStep (tempo / 60.0f / divisions, divisions);
}

int MainGUI::followPlayingPattern (int selectedPattern)
{
    auto& model = audioProcessor.getModel();
    const int playing = model.sequencer.ints.read (SequencerState::playPattern);
    if (playing == selectedPattern || model.globalOptions.read (GlobalOptions::patternFollowsSongPosition) != 1)
        return selectedPattern;

    audioProcessor.setParameterNotifyingHost (parameterIndex::selectedPattern, patternParameterValue (playing));
    stepEditing.showSteps (playing, stepEditing.currentLayer());
    return playing;
}

// Lit over the playing step while the strip shows the playing pattern.
void MainGUI::showPlayingStep (int shownPattern)
{
    const auto& ints = audioProcessor.getModel().sequencer.ints;
    const bool showsPlayingPattern = ints.read (SequencerState::playPattern) == shownPattern;
    const auto position = ints.read (SequencerState::seqPosition);
    for (int t = 1; t <= numSteps; ++t)
        lights[static_cast<std::size_t> (t - 1)].setLit (showsPlayingPattern && t == position);
}

} // namespace gatevox
