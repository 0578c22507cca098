#include <juce_events/juce_events.h>

#include <gtest/gtest.h>

// Components need the framework and its message manager on the thread that
// runs the tests (under Xvfb in the test command).
int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);
    const juce::ScopedJuceInitialiser_GUI juce;
    return RUN_ALL_TESTS();
}
