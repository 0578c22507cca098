#include "tests/plugin/Lv2TransportHost.h"
#include "tests/plugin/SceneRendering.h"

#include <gtest/gtest.h>

// A host that sends its transport only when it starts, with a frame count and
// no beat, as a digital audio workstation does: the LV2 build renders exactly
// what the VST3 build renders when its host reports the same song position at
// every block.
TEST (Lv2Transport, AHostThatReportsOnlyChangesRendersAsTheVst3BuildFedTheSameTransport)
{
    constexpr double rate = 48000.0;
    constexpr int blockSize = 512, numSamples = 48000;
    for (const auto& scene : scenes)
    {
        const auto state = sceneState (scene);
        const auto frame = static_cast<std::int64_t> (std::llround (scene.startPpq * 60.0 * rate / scene.bpm));
        auto equivalent = scene;
        equivalent.startPpq = static_cast<double> (frame) * scene.bpm / 60.0 / rate;
        const auto reference = render (PluginFormat::vst3, state, equivalent, rate, blockSize, numSamples);

        Lv2TransportHost host (juce::File (GATEVOX_LV2_BUNDLE), GATEVOX_LV2_URI, rate, blockSize, state);
        ASSERT_TRUE (host.loaded());
        host.announceTransport (frame, static_cast<float> (scene.bpm));

        std::vector<float> output;
        std::vector<float> left (blockSize), right (blockSize);
        for (int start = 0; start < numSamples; start += blockSize)
        {
            const int n = std::min (blockSize, numSamples - start);
            for (int i = 0; i < n; ++i)
            {
                left[std::size_t (i)] = input (0, start + i, rate);
                right[std::size_t (i)] = input (1, start + i, rate);
            }
            host.process (left.data(), right.data(), n);
            for (int i = 0; i < n; ++i)
            {
                output.push_back (left[std::size_t (i)]);
                output.push_back (right[std::size_t (i)]);
            }
        }
        EXPECT_EQ (firstDifference (reference, output), -1) << scene.name;
    }
}
