#include "tests/editor/EditorRig.h"

#include "params/ParameterLayout.h"

using namespace gatevox;
using user::Button;

namespace
{
constexpr float emptyStepParameter = 5.0f / 6.0f;

void clickTimes (juce::Component& key, int times)
{
    for (int i = 0; i < times; ++i)
        user::click (key);
}
} // namespace

using StepStrip = EditorRig;

TEST_F (StepStrip, LeftClicksCycleTheSlotsAndTheTimerSendsTheKey)
{
    EXPECT_EQ (window->getStrip().getKey (1), 6) << "a blank model shows empty keys";

    std::vector<int> seen;
    for (int i = 0; i < 6; ++i)
    {
        user::click (key (1));
        seen.push_back (window->getStrip().getKey (1));
    }
    EXPECT_EQ (seen, (std::vector<int>{1, 2, 3, 4, 5, 1}));
    EXPECT_EQ (step (0, 0, 0), emptyStep) << "a drawn key waits for the timer";
    EXPECT_FALSE (host.receivedAny (parameterIndex::step, numSteps));

    clickTimes (key (1), 2);
    tick();
    EXPECT_EQ (step (0, 0, 0), 2);
    EXPECT_FLOAT_EQ (host.received.at (parameterIndex::step), 2.0f / 6.0f);
    EXPECT_EQ (host.received.count (parameterIndex::step + 1), 0u) << "unchanged keys are not sent";
}

TEST_F (StepStrip, RightClickRepeatsTheLastLeftClick)
{
    user::click (key (2), Button::right);
    EXPECT_EQ (window->getStrip().getKey (2), 2) << "before any left-click a right-click draws Fx 2";

    clickTimes (key (5), 3); // empty, Fx 1, Fx 2, Fx 3
    user::click (key (5));
    EXPECT_EQ (window->getStrip().getKey (5), 4);
    EXPECT_EQ (window->getStrip().getLastSetting(), 3);
    for (int index : {6, 7, 2})
    {
        user::click (key (index), Button::right);
        EXPECT_EQ (window->getStrip().getKey (index), 4) << "key " << index;
    }

    user::click (key (9));
    EXPECT_EQ (window->getStrip().getKey (9), 1) << "an empty key becomes Fx 1";
    EXPECT_EQ (window->getStrip().getLastSetting(), 6);
    user::click (key (10), Button::right);
    EXPECT_EQ (window->getStrip().getKey (10), 1);
}

TEST_F (StepStrip, DeleteToolEmptiesTheEditedStepAtOnce)
{
    writeSteps (4, 1, std::vector<std::int32_t> (numSteps, 2));
    writeSteps (4, 2, std::vector<std::int32_t> (numSteps, 2));
    model().sequencer.ints.skippingWrite (SequencerState::pattern, 4);
    model().sequencer.ints.skippingWrite (SequencerState::layer, 1);

    user::click (button ("toolDelete"));
    EXPECT_TRUE (button ("toolDelete").getToggleState());
    EXPECT_FALSE (button ("toolDraw").getToggleState());

    user::click (key (3));
    user::click (key (4), Button::right);
    for (int index : {3, 4})
    {
        EXPECT_EQ (window->getStrip().getKey (index), 6);
        EXPECT_EQ (step (4, 1, index - 1), emptyStep);
        EXPECT_EQ (model().stepMirror.read (1, 4, index - 1), emptyStep);
        EXPECT_FLOAT_EQ (host.received.at (parameterIndex::step + index - 1), emptyStepParameter);
    }
    EXPECT_EQ (step (4, 1, 4), 2);
    EXPECT_EQ (step (4, 2, 2), 2) << "other layers are untouched";

    user::click (button ("toolDraw"));
    user::click (key (3));
    EXPECT_EQ (window->getStrip().getKey (3), 1) << "back in draw mode";
}

TEST_F (StepStrip, AutoSelectBringsTheDrawnSlotsPageToTheFront)
{
    clickTimes (key (1), 3);
    EXPECT_EQ (window->getTabPanel().getCurrentTabIndex(), 0) << "auto-select is off";

    processor.changeGlobalOption (GlobalOptions::effectAutoSelect, 1.0f);
    user::click (key (2)); // empty to Fx 1
    user::click (key (2));
    EXPECT_EQ (window->getTabPanel().getCurrentTabIndex(), 1);
    user::click (key (1), Button::right); // repeats Fx 1 to Fx 2
    EXPECT_EQ (window->getTabPanel().getCurrentTabIndex(), 1);
    user::click (key (1));
    EXPECT_EQ (window->getTabPanel().getCurrentTabIndex(), 2);
}
