#include "tests/editor/EditorRig.h"

#include "params/ParameterLayout.h"

#include <atomic>
#include <random>
#include <thread>

using namespace gatevox;

using SlotPagesUnderAutomation = EditorRig;

// Every slot parameter from a host thread while audio renders and the window
// ticks and paints: no data race (the ThreadSanitizer tree runs this), and no
// wait between the threads (a page that waited would hang the test until
// CTest's timeout).
TEST_F (SlotPagesUnderAutomation, HostAutomatesEverySlotParameterWhileAudioRenders)
{
    constexpr int blockSize = 256;
    processor.prepareToPlay (48000.0, blockSize);
    for (int s = 0; s < numSteps; ++s)
        model().writeStep (0, 0, s, s % numSlots);

    std::atomic<bool> running{true};
    std::thread audio (
        [&]
        {
            juce::AudioBuffer<float> buffer (2, blockSize);
            juce::MidiBuffer midi;
            while (running)
            {
                buffer.clear();
                processor.processBlock (buffer, midi);
            }
        });
    std::thread automation (
        [&]
        {
            std::mt19937 random (7);
            std::uniform_real_distribution<float> value (0.0f, 1.0f);
            while (running)
                for (int index = 0; index < parameterIndex::count && running; ++index)
                {
                    const auto family = decodeParameter (index)->family;
                    if (family != ParameterFamily::step && family != ParameterFamily::layer &&
                        family != ParameterFamily::selectedPattern && family != ParameterFamily::patternCount &&
                        family != ParameterFamily::patternSpeed)
                        processor.setParameterFromHost (index, value (random));
                }
        });

    auto& tabs = window->getTabPanel();
    for (int round = 0; round < 30; ++round)
    {
        tabs.setCurrentTabIndex (round % numSlots);
        tick();
        [[maybe_unused]] const auto picture = window->createComponentSnapshot (window->getLocalBounds());
    }
    running = false;
    automation.join();
    audio.join();
}
