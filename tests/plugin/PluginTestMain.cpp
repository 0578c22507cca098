#include <juce_events/juce_events.h>

#include <gtest/gtest.h>

// JUCE's hosting and message classes need the framework initialised on the
// thread that runs the tests.
int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);
    const juce::ScopedJuceInitialiser_GUI juce;
    return RUN_ALL_TESTS();
}
