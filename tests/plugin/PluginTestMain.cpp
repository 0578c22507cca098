#include "tests/support/XErrors.h"

#include <juce_core/juce_core.h>
#include <juce_events/juce_events.h>

#include <gtest/gtest.h>

#include <cstdlib>

// JUCE's hosting classes and message classes need the framework initialised
// on the thread that runs the tests. The tests run with an empty home folder
// of their own: JUCE's LV2 host searches ~/.lv2 first, and a Gatevox installed
// there (by the main command, say) must never be loaded in place of the bundle
// just built.
int main (int argc, char** argv)
{
    const auto home = juce::File::getSpecialLocation (juce::File::tempDirectory)
                          .getNonexistentChildFile ("gatevox-test-home", {}, false);
    home.createDirectory();
    setenv ("HOME", home.getFullPathName().toRawUTF8(), 1);

    ::testing::InitGoogleTest (&argc, argv);
    int result = 0;
    {
        const juce::ScopedJuceInitialiser_GUI juce;
        ignoreXErrors();
        result = RUN_ALL_TESTS();
    }
    home.deleteRecursively();
    return result;
}
