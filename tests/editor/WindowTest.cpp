#include "tests/editor/EditorRig.h"
#include "tests/editor/Snapshot.h"

#include "editor/SkiptorFeel.h"

#include <malloc.h>

using namespace gatevox;

using Window = EditorRig;

TEST_F (Window, LooksAsReviewed)
{
    writeSteps (0, 0, {0, 1, 2, 3, 4, 5, 0, 1, 2, 3, 4, 5, 5, 5, 5, 5});
    model().sequencer.ints.skippingWrite (SequencerState::seqPosition, 3);
    reopenWindow();
    tick();
    expectLooksLikeReference (*window, "window");
}

TEST_F (Window, SettingsPageLooksAsReviewed)
{
    processor.changeGlobalOption (GlobalOptions::patternFollowsSongPosition, 1.0f);
    reopenWindow();
    user::click (findNamed<juce::Component> (window->getTabPanel(), "Global Settings"));
    expectLooksLikeReference (*window->getTabPanel().getCurrentContentComponent(), "global-settings");
}

TEST_F (Window, OpensAndClosesFiftyTimesLeavingNothingBehind)
{
    const auto heapInUse = [] { return static_cast<long long> (mallinfo2().uordblks); };
    reopenWindow();      // pictures and fonts are cached from the first opening on
    runMessagesFor (20); // windows earlier tests closed go
    const int desktopWindows = juce::Desktop::getInstance().getNumComponents();
    const auto heapBefore = heapInUse();

    for (int i = 0; i < 50; ++i)
    {
        ASSERT_EQ (&window->getLookAndFeel(), &juce::LookAndFeel::getDefaultLookAndFeel());
        ASSERT_NE (dynamic_cast<SkiptorFeel*> (&window->getLookAndFeel()), nullptr);
        tick();
        window.reset();
        // Messages the closed window left for the loop are dropped there.
        runMessagesFor (5);
        EXPECT_EQ (dynamic_cast<SkiptorFeel*> (&juce::LookAndFeel::getDefaultLookAndFeel()), nullptr);
        reopenWindow();
    }

    EXPECT_EQ (juce::Desktop::getInstance().getNumComponents(), desktopWindows);
    // One window takes about 130 kB.
    EXPECT_LT (heapInUse() - heapBefore, 512 * 1024) << "memory of closed windows stayed allocated";
}
