#include "tests/editor/EditorRig.h"

#include "editor/SettingComponent.h"
#include "editor/SkiptorFeel.h"
#include "params/ParameterLayout.h"

using namespace gatevox;

namespace
{
// A host whose play head may or may not know the tempo.
class FakePlayHead final : public juce::AudioPlayHead
{
public:
    juce::Optional<PositionInfo> getPosition() const override
    {
        if (!hasPosition)
            return {};
        PositionInfo position;
        position.setBpm (90.0);
        return position;
    }

    bool hasPosition = true;
};

std::vector<int> litLights (const MainGUI& window)
{
    std::vector<int> lit;
    for (int t = 1; t <= numSteps; ++t)
        if (window.getLight (t).isLit())
            lit.push_back (t);
    return lit;
}

const juce::Label& currentPatternLabel (MainGUI& window)
{
    return findNamed<juce::Label> (window, "Debug");
}
} // namespace

class TimerTick : public EditorRig
{
protected:
    void play (int pattern, int position)
    {
        model().sequencer.ints.skippingWrite (SequencerState::playPattern, pattern);
        model().sequencer.ints.skippingWrite (SequencerState::seqPosition, position);
    }
};

TEST_F (TimerTick, AFreshWindowShowsTheBlankModel)
{
    EXPECT_EQ (window->getTabPanel().getCurrentTabIndex(), 0);
    EXPECT_TRUE (button ("toolDraw").getToggleState());
    EXPECT_FALSE (button ("Paste Button").isVisible());
    EXPECT_TRUE (button ("Copy Button").isVisible());
    EXPECT_EQ (box ("Presets").getText(), "<Blank>");

    tick();
    EXPECT_EQ (currentPatternLabel (*window).getText(), "Current Pattern: 1");
    EXPECT_EQ (box ("Pattern Speed").getText(), "1/4");
    EXPECT_TRUE (host.received.empty()) << "a tick alone sends nothing";
}

TEST_F (TimerTick, StandsStillWhileALoadRewritesTheModel)
{
    user::click (key (1));
    model().reloadInProgress.fetch_add (1);
    tick();
    EXPECT_TRUE (host.received.empty());
    EXPECT_EQ (currentPatternLabel (*window).getText(), "Debugging Text");

    model().reloadInProgress.fetch_sub (1);
    tick();
    EXPECT_EQ (step (0, 0, 0), 0);
}

TEST_F (TimerTick, AStateRestoreReachesTheStripInsteadOfBeingOverwritten)
{
    SkiptorAudioProcessor saved;
    for (int s = 0; s < numSteps; ++s)
        saved.getModel().writeStep (0, 0, s, 3);
    juce::MemoryBlock state;
    saved.getStateInformation (state);

    user::click (key (1)); // a drawn key the timer has not sent yet
    processor.setStateInformation (state.getData(), static_cast<int> (state.getSize()));
    ASSERT_GT (model().resyncHold.load(), 0);

    tick();
    EXPECT_EQ (model().resyncHold.load(), 0) << "the last slot page lowers the hold";
    EXPECT_EQ (shownKeys(), std::vector<int> (numSteps, 4));
    tick();
    for (int s = 0; s < numSteps; ++s)
        EXPECT_EQ (step (0, 0, s), 3);
    EXPECT_FALSE (host.receivedAny (parameterIndex::step, numSteps));
}

TEST_F (TimerTick, LightMarksThePlayingStepOfTheShownPattern)
{
    play (0, 7);
    tick();
    EXPECT_EQ (litLights (*window), std::vector<int>{7});
    play (0, 8);
    tick();
    EXPECT_EQ (litLights (*window), std::vector<int>{8});

    play (2, 8);
    tick();
    EXPECT_TRUE (litLights (*window).empty()) << "another pattern plays";
    EXPECT_EQ (sequencer (SequencerState::pattern), 0) << "following the song position is off";
}

TEST_F (TimerTick, PatternFollowsTheSongPositionWhenSwitchedOn)
{
    writeSteps (2, 0, std::vector<std::int32_t> (numSteps, 1));
    processor.changeGlobalOption (GlobalOptions::patternFollowsSongPosition, 1.0f);
    play (2, 5);
    tick();
    EXPECT_FLOAT_EQ (host.received.at (parameterIndex::selectedPattern), 0.125f);
    EXPECT_EQ (sequencer (SequencerState::pattern), 2);
    EXPECT_EQ (shownKeys(), std::vector<int> (numSteps, 2));
    EXPECT_EQ (litLights (*window), std::vector<int>{5});
    EXPECT_EQ (currentPatternLabel (*window).getText(), "Current Pattern: 3");
}

TEST_F (TimerTick, SelectedEffectFollowsTheTabInFront)
{
    user::click (findNamed<juce::Component> (window->getTabPanel(), "Fx 4"));
    tick();
    EXPECT_EQ (sequencer (SequencerState::selectedEffect), 3);
    user::click (findNamed<juce::Component> (window->getTabPanel(), "Global Settings"));
    tick();
    EXPECT_EQ (sequencer (SequencerState::selectedEffect), 5);
}

TEST_F (TimerTick, SlotPagesReceiveTheirSlotsLfoSettings)
{
    processor.setParameterFromHost (parameterIndex::lfoFrequency + 1, 0.4f);
    processor.setParameterFromHost (parameterIndex::lfoPhase + 1, 0.75f);
    tick();
    EXPECT_FLOAT_EQ (window->getSlotPage (1).shownLfo().frequencyHz, 8.0f);
    EXPECT_FLOAT_EQ (window->getSlotPage (1).shownLfo().phase, 0.5f);
    EXPECT_FLOAT_EQ (window->getSlotPage (0).shownLfo().phase, 0.0f);
}

TEST_F (TimerTick, SnapStepFromTheProcessorsTempoTheHostsOr120)
{
    // Snap on in slot 1 with interval 4: six divisions of a beat.
    processor.setParameterFromHost (parameterIndex::snapOn, 1.0f);
    processor.setParameterFromHost (parameterIndex::snapInterval, 4.0f / 6.0f + 0.01f);
    const auto snapStep = [this] { return window->getSlotPage (0).snapStep(); };

    model().transport.tempo = 60.0f;
    tick();
    EXPECT_FLOAT_EQ (snapStep(), 1.0f / 6.0f);

    model().transport.tempo = 0.0f;
    tick();
    EXPECT_FLOAT_EQ (snapStep(), 2.0f / 6.0f) << "no tempo and no play head: 120 bpm";

    FakePlayHead host90;
    processor.setPlayHead (&host90);
    tick();
    EXPECT_FLOAT_EQ (snapStep(), 1.5f / 6.0f);
    host90.hasPosition = false;
    tick();
    EXPECT_FLOAT_EQ (snapStep(), 2.0f / 6.0f) << "a play head without a position: 120 bpm";
    processor.setPlayHead (nullptr);
}

TEST_F (TimerTick, TwoWindowsFollowTheirOwnProcessors)
{
    SkiptorAudioProcessor other;
    auto otherWindow = std::make_unique<MainGUI> (other, presetFolder);
    otherWindow->stopTimer();

    play (3, 1);
    writeSteps (0, 0, std::vector<std::int32_t> (numSteps, 4));
    reopenWindow(); // this window now opened last
    tick();
    otherWindow->timerCallback();
    EXPECT_EQ (currentPatternLabel (*window).getText(), "Current Pattern: 4");
    EXPECT_EQ (currentPatternLabel (*otherWindow).getText(), "Current Pattern: 1");
    EXPECT_EQ (otherWindow->getStrip().getKey (1), 6);

    // Closing the window opened last leaves the other drawing with its own
    // look-and-feel; closing the one opened first leaves the default alone.
    window.reset();
    EXPECT_NE (dynamic_cast<SkiptorFeel*> (&otherWindow->getLookAndFeel()), nullptr);
    EXPECT_EQ (dynamic_cast<SkiptorFeel*> (&juce::LookAndFeel::getDefaultLookAndFeel()), nullptr);
    reopenWindow();
    otherWindow.reset();
    EXPECT_EQ (&juce::LookAndFeel::getDefaultLookAndFeel(), &window->getLookAndFeel());
}
