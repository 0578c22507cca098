#include <juce_events/juce_events.h>

#include <gtest/gtest.h>

// Processors and components need the framework and its message manager on the
// thread that runs the tests (the window's tests under Xvfb).
int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);
    const juce::ScopedJuceInitialiser_GUI juce;
    return RUN_ALL_TESTS();
}
