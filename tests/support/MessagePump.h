#pragma once

#include <juce_events/juce_events.h>

namespace juce
{
// JUCE's own step of its message loop (not in its public headers).
bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
} // namespace juce

// Runs the message loop on the calling (message) thread for a while, as a
// host's event loop would.
inline void pumpMessages (int milliseconds)
{
    const auto end = juce::Time::getMillisecondCounter() + static_cast<juce::uint32> (milliseconds);
    while (juce::Time::getMillisecondCounter() < end)
        if (!juce::dispatchNextMessageOnSystemQueue (true))
            juce::Thread::sleep (1);
}
