#include "tests/plugin/HostedPlugins.h"
#include "tests/plugin/SceneRendering.h"

#include "core/SkiptorAudioProcessor.h"
#include "params/ParameterLayout.h"
#include "persistence/StateBlock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

// The same state, input and transport give the same samples through every
// format: the formats differ only in how the host reaches the processor.
namespace
{
juce::String stateDocument (const juce::MemoryBlock& state)
{
    const auto xml = gatevox::unwrapStateXml (state.getData(), static_cast<int> (state.getSize()));
    return xml == nullptr ? juce::String()
                          : xml->toString (juce::XmlElement::TextFormat().singleLine().withoutHeader());
}

} // namespace

TEST (FormatParity, EveryFormatRendersTheSameSamples)
{
    for (const auto& scene : scenes)
    {
        const auto state = sceneState (scene);
        for (const double rate : {44100.0, 48000.0, 96000.0})
        {
            const int numSamples = static_cast<int> (rate / 2.0);
            for (const int blockSize : {1, 17, 512, 4096})
            {
                const auto reference = render (PluginFormat::inProcess, state, scene, rate, blockSize, numSamples);
                ASSERT_EQ (reference.size(), 2u * static_cast<std::size_t> (numSamples));

                // The scene sounds: its output is finite and is not its input.
                ASSERT_TRUE (
                    std::all_of (reference.begin(), reference.end(), [] (float x) { return std::isfinite (x); }));
                std::size_t changed = 0;
                for (std::size_t i = 0; i < reference.size(); ++i)
                    changed += reference[i] != input (static_cast<int> (i % 2), static_cast<juce::int64> (i / 2), rate)
                                   ? 1u
                                   : 0u;
                EXPECT_GT (changed, reference.size() / 2) << scene.name;

                for (const auto format : {PluginFormat::vst2, PluginFormat::vst3, PluginFormat::lv2})
                    EXPECT_EQ (firstDifference (reference, render (format, state, scene, rate, blockSize, numSamples)),
                               -1)
                        << formatName (format) << ", " << scene.name << ", " << rate << " Hz, blocks of " << blockSize;
            }
        }
    }
}

TEST (FormatParity, EveryFormatListsTheSameParametersWithTheSameTexts)
{
    auto reference = createPlugin (PluginFormat::inProcess);
    const auto referenceParameters = pluginParameters (*reference);
    ASSERT_EQ (referenceParameters.size(), gatevox::numAutomationParameters);

    for (const auto format : {PluginFormat::vst2, PluginFormat::vst3, PluginFormat::lv2})
    {
        auto plugin = createPlugin (format);
        ASSERT_NE (plugin, nullptr);
        const auto parameters = pluginParameters (*plugin);
        ASSERT_EQ (parameters.size(), gatevox::numAutomationParameters) << formatName (format);

        for (int i = 0; i < gatevox::numAutomationParameters; ++i)
        {
            ASSERT_EQ (parameters[i]->getName (1024), referenceParameters[i]->getName (1024))
                << formatName (format) << " " << i;
            // The texts are the processor's own: VST3 asks for the text of
            // any value, VST2 for that of the value the parameter holds. LV2
            // has no way to ask; its hosts write the number themselves.
            const auto value = static_cast<float> ((i * 37) % 101) / 100.0f;
            if (format == PluginFormat::vst3)
            {
                EXPECT_EQ (parameters[i]->getText (value, 1024), referenceParameters[i]->getText (value, 1024)) << i;
            }
            if (format == PluginFormat::vst2)
            {
                parameters[i]->setValue (value);
                referenceParameters[i]->setValue (value);
                EXPECT_EQ (parameters[i]->getCurrentValueAsText(), referenceParameters[i]->getCurrentValueAsText())
                    << i;
            }
        }
    }
}

TEST (FormatParity, AStateSavedThroughOneFormatRestoresThroughEveryOther)
{
    // What a processor saves after restoring the scene: every format, as
    // source and as target, must save the same document again.
    const auto state = sceneState (scenes[1]);
    SkiptorAudioProcessor reference;
    reference.setPlayConfigDetails (2, 2, 48000.0, 512);
    reference.prepareToPlay (48000.0, 512);
    reference.setStateInformation (state.getData(), static_cast<int> (state.getSize()));
    const auto document = stateDocument (pluginState (PluginFormat::inProcess, reference));
    ASSERT_TRUE (document.startsWith ("<SkiptorStateInfo"));

    for (const auto source : allFormats)
    {
        auto saver = createPlugin (source);
        ASSERT_NE (saver, nullptr);
        saver->prepareToPlay (48000.0, 512);
        restorePluginState (source, *saver, state);
        const auto saved = pluginState (source, *saver);
        EXPECT_EQ (stateDocument (saved), document) << "saved through " << formatName (source);

        for (const auto target : allFormats)
        {
            auto restorer = createPlugin (target);
            ASSERT_NE (restorer, nullptr);
            restorer->prepareToPlay (48000.0, 512);
            restorePluginState (target, *restorer, saved);
            EXPECT_EQ (stateDocument (pluginState (target, *restorer)), document)
                << "saved through " << formatName (source) << ", restored through " << formatName (target);
        }
    }
}
