#include "core/SkiptorAudioProcessor.h"

#include "params/ParameterLayout.h"
#include "params/ParameterReadBack.h"
#include "tests/support/QuantisedParameters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace
{
struct ChangeRecorder final : juce::AudioProcessorListener
{
    void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value) override
    {
        lastIndex = index;
        lastValue = value;
    }
    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails& details) override
    {
        displayChanges += details.parameterInfoChanged ? 1 : 0;
    }

    int lastIndex = -1;
    float lastValue = -1.0f;
    int displayChanges = 0;
};

void setRandomValues (SkiptorAudioProcessor& p, std::mt19937& random)
{
    std::uniform_real_distribution<float> unit (0.0f, 1.0f);
    for (auto* parameter : p.getParameters())
        parameter->setValue (unit (random));
}

juce::MemoryBlock state (SkiptorAudioProcessor& p)
{
    juce::MemoryBlock block;
    p.getStateInformation (block);
    return block;
}

} // namespace

TEST (Parameters, TheProcessorPublishesTheTableInOrder)
{
    SkiptorAudioProcessor p;
    const auto& parameters = p.getParameters();
    ASSERT_EQ (parameters.size(), gatevox::numAutomationParameters);
    for (int i = 0; i < parameters.size(); ++i)
    {
        EXPECT_EQ (parameters[i]->getParameterIndex(), i);
        EXPECT_EQ (parameters[i]->getName (1024), juce::String (gatevox::parameterName (i)));
        EXPECT_EQ (parameters[i]->getValue(), gatevox::reportedParameterValue (p.getModel(), i));
        EXPECT_EQ (parameters[i]->getDefaultValue(), parameters[i]->getValue());
    }
    EXPECT_EQ (parameters[88]->getName (1024), "Effect1 Param2 Val");
    EXPECT_EQ (parameters[73]->getName (5), "layer");
}

TEST (Parameters, HostWritesAreClampedAndReachTheModel)
{
    SkiptorAudioProcessor p;
    auto& parameters = p.getParameters();

    parameters[41]->setValue (1.7f);
    EXPECT_EQ (parameters[41]->getValue(), 1.0f);
    EXPECT_EQ (parameters[41]->getCurrentValueAsText(), "1");
    EXPECT_EQ (p.getModel().sequencer.floats.read (gatevox::SequencerState::effectMix), 1.0f);

    parameters[1]->setValue (0.4f); // "LFO Freq 2"
    EXPECT_EQ (p.getModel().slot (1).floats.read (gatevox::SlotSettings::lfoFrequency), 8.0f);
    EXPECT_EQ (parameters[1]->getText (1.0f / 3.0f, 1024), "0.333333343");
    EXPECT_EQ (parameters[1]->getValueForText ("0.25"), 0.25f);
}

TEST (Parameters, TheEditorsRoadNotifiesTheHost)
{
    SkiptorAudioProcessor p;
    ChangeRecorder recorder;
    p.addListener (&recorder);

    p.setParameterNotifyingHost (68 + 2, 0.5f); // "Route Type 3": "Series A"
    EXPECT_EQ (recorder.lastIndex, 70);
    EXPECT_EQ (recorder.lastValue, 0.5f);
    EXPECT_TRUE (p.getModel().routeMixers[0].isSeries (2));
    EXPECT_EQ (p.getModel().routeMixers[1].seriesGroup (2), 0);

    p.setParameterNotifyingHost (500, 0.5f); // outside the table: nothing happens
    EXPECT_EQ (recorder.lastIndex, 70);
    p.removeListener (&recorder);
}

// A validator's sequence: random values, save, other random values, restore.
// Every parameter then reads back its saved value (a quantised one the value
// that selects the restored model value), and writing back what it reads
// changes nothing.
TEST (Parameters, RestoreResetAndPresetsReadBackTheModelAndTellTheHost)
{
    SkiptorAudioProcessor p;
    ChangeRecorder recorder;
    p.addListener (&recorder);
    auto& parameters = p.getParameters();
    std::mt19937 random (7);

    setRandomValues (p, random);
    std::vector<float> saved;
    for (auto* parameter : parameters)
        saved.push_back (parameter->getValue());
    const auto savedState = state (p);

    setRandomValues (p, random);
    p.setStateInformation (savedState.getData(), static_cast<int> (savedState.getSize()));
    EXPECT_EQ (recorder.displayChanges, 1);
    const auto restored = state (p);
    for (int i = 0; i < parameters.size(); ++i)
    {
        const float read = parameters[i]->getValue();
        if (!isQuantisedParameter (i))
        {
            EXPECT_NEAR (read, saved[std::size_t (i)], 0.01f) << gatevox::parameterName (i);
        }
        parameters[i]->setValue (read);
    }
    EXPECT_EQ (state (p), restored);

    // After a reset "Step 1" reads an empty step, and a host's write of 0
    // makes it Fx 1.
    p.resetToBlank();
    EXPECT_EQ (recorder.displayChanges, 2);
    auto* step1 = parameters[gatevox::parameterIndex::step];
    EXPECT_EQ (step1->getValue(), 5.0f / 6.0f);
    step1->setValue (0.0f);
    EXPECT_EQ (p.getModel().steps.read (0, 0, 0), 0);
    p.removeListener (&recorder);
}
