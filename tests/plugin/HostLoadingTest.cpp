#include "tests/plugin/HostedPlugins.h"

#include "core/SkiptorAudioProcessor.h"

#include "params/ParameterLayout.h"

#include <gtest/gtest.h>

#include <cmath>

// Loads every built binary the way a host does, through JUCE's own hosting
// classes, and checks what the host sees.
namespace
{
void expectHostView (juce::AudioPluginInstance& plugin)
{
    const auto desc = plugin.getPluginDescription();
    EXPECT_EQ (desc.name, "Gatevox");
    EXPECT_EQ (desc.descriptiveName, "Gatevox");
    EXPECT_EQ (desc.manufacturerName, "Velmont");
    EXPECT_FALSE (desc.isInstrument);
    EXPECT_EQ (plugin.getTotalNumInputChannels(), 2);
    EXPECT_EQ (plugin.getTotalNumOutputChannels(), 2);
    EXPECT_EQ (plugin.getLatencySamples(), 0);
    EXPECT_EQ (plugin.getTailLengthSeconds(), 0.0);
    EXPECT_FALSE (plugin.acceptsMidi());
    EXPECT_FALSE (plugin.producesMidi());
    EXPECT_TRUE (plugin.hasEditor());
}

// Without a transport the plug-in hands every block back unchanged.
void expectAudioPasses (juce::AudioPluginInstance& plugin)
{
    plugin.setPlayConfigDetails (2, 2, 48000.0, 512);
    plugin.prepareToPlay (48000.0, 512);

    juce::AudioBuffer<float> buffer (2, 512);
    for (int i = 0; i < 512; ++i)
    {
        buffer.setSample (0, i, 0.5f * std::sin (0.05f * static_cast<float> (i)));
        buffer.setSample (1, i, 0.25f * std::cos (0.03f * static_cast<float> (i)));
    }
    const auto input = buffer;
    juce::MidiBuffer midi;
    for (int block = 0; block < 4; ++block)
        plugin.processBlock (buffer, midi);

    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < 512; ++i)
            ASSERT_EQ (buffer.getSample (c, i), input.getSample (c, i)) << c << " " << i;

    plugin.releaseResources();
}

// Every format lists the 197 parameters in the same order, with the same
// names, and with the values that describe the blank model; a value set
// through the host reads back.
void expectParameters (juce::AudioPluginInstance& plugin)
{
    const auto parameters = pluginParameters (plugin);
    SkiptorAudioProcessor blank;
    ASSERT_EQ (parameters.size(), gatevox::numAutomationParameters);
    for (int i = 0; i < gatevox::numAutomationParameters; ++i)
    {
        const auto* parameter = parameters[i];
        ASSERT_NE (parameter, nullptr);
        ASSERT_EQ (parameter->getName (1024), juce::String (gatevox::parameterName (i))) << i;
        // LV2 hosts take the defaults from the plug-in's description, written
        // with seven digits.
        ASSERT_NEAR (parameter->getValue(), blank.getParameters()[i]->getValue(), 1e-6f) << i;
    }

    auto* mixParameter = parameters[41];
    ASSERT_NE (mixParameter, nullptr);
    auto& mix = *mixParameter;
    mix.setValue (0.25f);
    EXPECT_EQ (mix.getValue(), 0.25f);
    EXPECT_EQ (mix.getCurrentValueAsText(), "0.25");
    mix.setValue (1.0f);
}

juce::String effectString (AEffect& effect, int opcode)
{
    char text[256] = {};
    effect.dispatcher (&effect, opcode, 0, 0, text, 0.0f);
    return juce::String (text);
}
} // namespace

TEST (HostLoading, Vst2IdentityAndAudio)
{
    juce::VSTPluginFormat format;
    auto plugin = loadPluginFile (format, GATEVOX_VST2_BINARY);
    ASSERT_NE (plugin, nullptr);
    expectHostView (*plugin);
    EXPECT_EQ (plugin->getPluginDescription().uniqueId, 0x47747678); // "Gtvx"

    auto* effectPointer = vst2Effect (*plugin);
    ASSERT_NE (effectPointer, nullptr);
    auto& effect = *effectPointer;
    EXPECT_EQ (effect.magic, kEffectMagic);
    EXPECT_EQ (effect.uniqueID, 0x47747678);
    EXPECT_EQ (effect.version, 100);
    EXPECT_EQ (effect.numInputs, 2);
    EXPECT_EQ (effect.numOutputs, 2);
    EXPECT_EQ (effect.initialDelay, 0);
    EXPECT_NE (effect.flags & effFlagsHasEditor, 0);
    EXPECT_NE (effect.flags & effFlagsCanReplacing, 0);
    EXPECT_NE (effect.flags & effFlagsProgramChunks, 0);
    EXPECT_EQ (effect.flags & effFlagsIsSynth, 0);
    EXPECT_EQ (effect.dispatcher (&effect, effGetVendorVersion, 0, 0, nullptr, 0.0f), 100);
    EXPECT_EQ (effect.dispatcher (&effect, effGetVstVersion, 0, 0, nullptr, 0.0f), 2400);
    EXPECT_EQ (effect.dispatcher (&effect, effGetPlugCategory, 0, 0, nullptr, 0.0f), kPlugCategEffect);
    EXPECT_EQ (effectString (effect, effGetVendorString), "Velmont");
    EXPECT_EQ (effectString (effect, effGetProductString), "Gatevox");
    char midiIn[] = "receiveVstMidiEvent";
    char midiOut[] = "sendVstMidiEvent";
    EXPECT_NE (effect.dispatcher (&effect, effCanDo, 0, 0, midiIn, 0.0f), 1);
    EXPECT_NE (effect.dispatcher (&effect, effCanDo, 0, 0, midiOut, 0.0f), 1);
    EXPECT_EQ (effect.numParams, gatevox::numAutomationParameters);

    expectParameters (*plugin);
    expectAudioPasses (*plugin);
}

TEST (HostLoading, Vst3IdentityAndAudio)
{
    juce::VST3PluginFormat format;
    // The binary sits in <bundle>/Contents/<architecture>/.
    const auto bundle = juce::File (GATEVOX_VST3_BINARY).getParentDirectory().getParentDirectory().getParentDirectory();
    auto plugin = loadPluginFile (format, bundle.getFullPathName());
    ASSERT_NE (plugin, nullptr);
    expectHostView (*plugin);
    EXPECT_EQ (plugin->getPluginDescription().version, "0.0.100");
    expectParameters (*plugin);
    expectAudioPasses (*plugin);
}

TEST (HostLoading, Lv2IdentityAndAudio)
{
    juce::LV2PluginFormat format;
    const auto bundleFolder = juce::File (GATEVOX_LV2_BUNDLE).getParentDirectory();
    const auto uris = format.searchPathsForPlugins (juce::FileSearchPath (bundleFolder.getFullPathName()), true, false);
    ASSERT_TRUE (uris.contains (GATEVOX_LV2_URI)) << uris.joinIntoString (", ");

    auto plugin = loadPluginFile (format, GATEVOX_LV2_URI);
    ASSERT_NE (plugin, nullptr);
    expectHostView (*plugin);
    expectParameters (*plugin);
    expectAudioPasses (*plugin);
}

// The window opens through every format's hosting road, at its fixed size,
// and closes again.
TEST (HostLoading, TheWindowOpensInEveryFormat)
{
    for (const auto format : allFormats)
    {
        auto plugin = createPlugin (format);
        ASSERT_NE (plugin, nullptr) << formatName (format);
        std::unique_ptr<juce::AudioProcessorEditor> editor (plugin->createEditorIfNeeded());
        ASSERT_NE (editor, nullptr) << formatName (format);
        EXPECT_EQ (editor->getWidth(), 800) << formatName (format);
        EXPECT_EQ (editor->getHeight(), 500) << formatName (format);
    }
}
