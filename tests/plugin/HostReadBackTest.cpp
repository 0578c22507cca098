#include "tests/plugin/HostedPlugins.h"

#include "core/SkiptorAudioProcessor.h"
#include "params/ParameterLayout.h"
#include "tests/support/MessagePump.h"
#include "tests/support/QuantisedParameters.h"

#include <gtest/gtest.h>

#include <random>

namespace
{
void setRandomValues (const juce::Array<juce::AudioProcessorParameter*>& parameters, std::mt19937& random)
{
    std::uniform_real_distribution<float> unit (0.0f, 1.0f);
    for (auto* parameter : parameters)
        parameter->setValue (unit (random));
}

// What a running host does between its calls: its event loop turns, and the
// plug-in renders a block (the LV2 build passes the values it was told of
// there).
void letTheHostRun (juce::AudioProcessor& plugin)
{
    juce::AudioBuffer<float> buffer (2, 64);
    juce::MidiBuffer midi;
    for (int turn = 0; turn < 2; ++turn)
    {
        pumpMessages (50);
        buffer.clear();
        plugin.processBlock (buffer, midi);
    }
    pumpMessages (50);
}
} // namespace

// A validator's sequence in every format: random values, save, other random
// values, restore. Each parameter then reads back its saved value, a quantised
// one exactly the value that selects the restored model value (what the same
// state restored in process reads back).
TEST (HostReadBack, RestoredParametersReadBackTheirSavedValuesInEveryFormat)
{
    for (const auto format : allFormats)
    {
        SCOPED_TRACE (formatName (format));
        auto plugin = createPlugin (format);
        ASSERT_NE (plugin, nullptr);
        const auto parameters = pluginParameters (*plugin);
        ASSERT_EQ (parameters.size(), gatevox::numAutomationParameters);

        std::mt19937 random (11);
        plugin->prepareToPlay (48000.0, 64);
        setRandomValues (parameters, random);
        letTheHostRun (*plugin);
        std::vector<float> saved;
        for (auto* parameter : parameters)
            saved.push_back (parameter->getValue());
        const auto state = pluginState (format, *plugin);

        setRandomValues (parameters, random);
        letTheHostRun (*plugin);
        restorePluginState (format, *plugin, state);
        letTheHostRun (*plugin);

        SkiptorAudioProcessor reference;
        reference.setStateInformation (state.getData(), static_cast<int> (state.getSize()));
        for (int i = 0; i < gatevox::numAutomationParameters; ++i)
        {
            const float read = parameters[i]->getValue();
            EXPECT_FLOAT_EQ (read, reference.getParameters()[i]->getValue()) << gatevox::parameterName (i);
            if (!isQuantisedParameter (i))
            {
                EXPECT_NEAR (read, saved[std::size_t (i)], 0.01f) << gatevox::parameterName (i);
            }
        }
    }
}
