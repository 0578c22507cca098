#include "tests/editor/SlotPageRig.h"
#include "tests/editor/Snapshot.h"

#include "editor/SnapInterval.h"
#include "params/ParameterLayout.h"
#include "persistence/PresetFolder.h"

using namespace gatevox;

class SlotPage : public SlotPageRig
{
protected:
    juce::ComboBox& waveformBox (int slot) { return control<juce::ComboBox> (page (slot), {200, 48, 142, 24}); }
    juce::ComboBox& snapIntervalBox (int slot) { return control<juce::ComboBox> (page (slot), {200, 160, 142, 24}); }
    juce::Slider& slider (int slot, const juce::String& name) { return findNamed<juce::Slider> (page (slot), name); }
    juce::Button& snap (int slot) { return findNamed<juce::Button> (page (slot), "snap frequency"); }
    juce::ComboBox& kernelBox (int slot)
    {
        return findNamed<juce::ComboBox> (page (slot).getEffectPanel(), "new combo box");
    }

    // Which of duty and floor the page shows.
    std::pair<bool, bool> shapeControls (int slot)
    {
        return {slider (slot, "DutyCycle").isVisible(), slider (slot, "Floor").isVisible()};
    }
};

TEST_F (SlotPage, EachWaveformShowsTheShapeControlsItTakes)
{
    const std::vector<std::pair<int, std::pair<bool, bool>>> shown{
        {2, {false, false}}, {1, {true, false}}, {5, {true, true}}, {8, {false, false}}};
    for (const auto& [id, controls] : shown)
    {
        user::choose (waveformBox (0), id);
        tick();
        EXPECT_EQ (shapeControls (0), controls) << waveformBox (0).getText();
    }
}

TEST_F (SlotPage, WaveformEightIsSentAndShownAgainAfterATick)
{
    user::choose (waveformBox (0), 13);
    EXPECT_FLOAT_EQ (host.received.at (parameterIndex::lfoWave), 12.0f / 13.0f);
    waveformBox (0).setSelectedId (1, juce::dontSendNotification);
    tick();
    EXPECT_EQ (waveformBox (0).getText(), "Waveform #8");
}

TEST_F (SlotPage, TypedPhaseIsSentAndComesBackInRadians)
{
    auto& phase = slider (0, "PhaseControl");
    auto* box = dynamic_cast<juce::Label*> (phase.getChildComponent (0));
    ASSERT_NE (box, nullptr);
    auto* peer = window->getPeer();
    peer->grabFocus();
    ASSERT_TRUE (runMessagesUntil ([peer] { return peer->isFocused(); })) << "the window takes the keyboard";
    user::click (*box);
    ASSERT_TRUE (box->isBeingEdited());
    for (auto c : juce::String ("3.14"))
        user::press (*window, juce::KeyPress (c, juce::ModifierKeys(), c));
    user::press (*window, juce::KeyPress (juce::KeyPress::returnKey));
    // The editor tells the box from the message loop.
    ASSERT_TRUE (runMessagesUntil ([this] { return host.receivedAny (parameterIndex::lfoPhase, 1); }));

    EXPECT_NEAR (host.received.at (parameterIndex::lfoPhase), 0.75f, 1e-3f);
    EXPECT_NEAR (model().slot (0).floats.read (SlotSettings::phase), 0.5f, 1e-3f);
    phase.setValue (0.0, juce::dontSendNotification);
    tick();
    EXPECT_NEAR (phase.getValue(), 3.1416, 1e-3);
}

TEST_F (SlotPage, SnapGivesTheStepTheTimerKeepsForEveryInterval)
{
    model().transport.tempo = 120.0f;
    auto& frequency = slider (0, "FrequencyControl");
    for (int id = 1; id <= snapInterval::numChoices; ++id)
    {
        user::choose (snapIntervalBox (0), id);
        user::click (snap (0));
        ASSERT_TRUE (snap (0).getToggleState());
        EXPECT_FLOAT_EQ (host.received.at (parameterIndex::snapOn), 1.0f);
        const double clicked = frequency.getInterval();
        tick();
        EXPECT_DOUBLE_EQ (frequency.getInterval(), clicked) << snapIntervalBox (0).getText();
        user::click (snap (0));
        EXPECT_FLOAT_EQ (host.received.at (parameterIndex::snapOn), 0.0f);
    }

    // "1/4" at 120 bpm: the frequency moves in half hertz.
    user::choose (snapIntervalBox (0), 3);
    user::click (snap (0));
    tick();
    EXPECT_DOUBLE_EQ (frequency.getInterval(), 0.5);
    EXPECT_DOUBLE_EQ (frequency.getMaximum(), 20.0);
    user::drag (frequency, {{90, 12}, {131, 12}, {157, 12}});
    const double hz = 20.0 * static_cast<double> (host.received.at (parameterIndex::lfoFrequency));
    EXPECT_GT (hz, 0.0);
    EXPECT_NEAR (std::remainder (hz, 0.5), 0.0, 1e-5);
}

TEST_F (SlotPage, PreviewTracesOneCycleFromThePhase)
{
    EXPECT_EQ (WaveformPreview::entryOfPoint (0.0f, 0), 0);
    EXPECT_EQ (WaveformPreview::entryOfPoint (-1.0f, 0), 0);
    EXPECT_EQ (WaveformPreview::entryOfPoint (0.5f, 81), 102400 + 102399);
    EXPECT_EQ (WaveformPreview::entryOfPoint (-0.25f, 1), 204800 - 51200 + 1264);

    processor.setParameterFromHost (parameterIndex::lfoPhase, 0.75f); // phase 0.5
    tick();
    const auto& preview = page (0).getPreview();
    EXPECT_FLOAT_EQ (preview.shown.phase, 0.5f);
    EXPECT_FLOAT_EQ (preview.traceValue (0), model().lfo (0).entry (102400));
}

TEST_F (SlotPage, DutyAndFloorReachThePreviewAtOnce)
{
    user::choose (waveformBox (0), 5); // "Square"
    tick();
    const float before = page (0).getPreview().traceValue (100);
    user::drag (slider (0, "DutyCycle"), {{20, 5}, {80, 5}});
    EXPECT_NEAR (page (0).getPreview().shown.duty, host.received.at (parameterIndex::lfoDuty), 1e-6f);
    EXPECT_NE (page (0).getPreview().traceValue (100), before) << "the new table is published";
}

// What a load brings shows on every page within one tick, in front or not.
class SlotPageAfterLoad : public SlotPage
{
protected:
    void changeSlot3()
    {
        processor.setParameterFromHost (parameterIndex::lfoWave + 2, 4.0f / 14.0f);
        processor.setParameterFromHost (parameterIndex::lfoFrequency + 2, 0.25f);
        processor.chooseKernel (2, "RESONATOR");
        processor.setParameterFromHost (parameterIndex::slotGainPan + 4, 0.25f);
        processor.setParameterFromHost (parameterIndex::routeType + 2, 0.75f);
        processor.setParameterFromHost (parameterIndex::envelopeOn + 2, 1.0f);
        processor.setParameterFromHost (parameterIndex::envelopeKnob + 24 + 5, 0.125f); // knob 2, segment 2
    }

    void expectSlot3Shown()
    {
        EXPECT_EQ (waveformBox (2).getText(), "Square");
        EXPECT_DOUBLE_EQ (slider (2, "FrequencyControl").getValue(), 5.0);
        EXPECT_EQ (kernelBox (2).getText(), "RESONATOR");
        auto& effect = page (2).getEffectPanel();
        auto& envelope = page (2).getEnvelopeTab();
        EXPECT_NEAR (control<juce::Slider> (effect, {198, 4, 40, 40}).getValue(), 0.25, 1e-3);
        EXPECT_EQ (findNamed<juce::ComboBox> (effect, "LayeringMethod").getText(), "Series B");
        EXPECT_TRUE (findNamed<juce::Button> (envelope, "EnableEnvelope").getToggleState());
        EXPECT_NEAR (control<juce::Slider> (envelope, {129, 100, 25, 25}).getValue(), 0.125, 1e-6);
        EXPECT_TRUE (findNamed<juce::Slider> (page (2), "Floor").isVisible());
        EXPECT_EQ (model().resyncHold.load(), 0);
    }
};

TEST_F (SlotPageAfterLoad, HostStateRestore)
{
    changeSlot3();
    juce::MemoryBlock state;
    processor.getStateInformation (state);
    processor.resetToBlank();

    processor.setStateInformation (state.getData(), static_cast<int> (state.getSize()));
    tick();
    expectSlot3Shown();
}

TEST_F (SlotPageAfterLoad, PresetLoad)
{
    changeSlot3();
    ASSERT_EQ (savePreset (model(), presetFolder, "Pages", 48000.0), PresetResult::done);
    processor.resetToBlank();
    tick();
    window->refreshPresetList ("Pages");
    user::click (button ("Load Preset"));
    tick();
    expectSlot3Shown();
}

TEST_F (SlotPage, LooksAsReviewedInEverySlotColour)
{
    processor.setParameterFromHost (parameterIndex::lfoWave + 1, 2.0f / 14.0f);
    showSlot (2);
    user::choose (kernelBox (2), 6); // "LPF FUZZ"
    for (int slot = 0; slot < numSlots; ++slot)
    {
        showSlot (slot);
        tick();
        expectLooksLikeReference (window->getTabPanel(), "slot-page-" + juce::String (slot + 1));
    }
}
