#include "core/SkiptorAudioProcessor.h"

#include "params/ParameterLayout.h"

#include <gtest/gtest.h>

namespace
{
struct ChangeRecorder final : juce::AudioProcessorListener
{
    void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value) override
    {
        lastIndex = index;
        lastValue = value;
    }
    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}

    int lastIndex = -1;
    float lastValue = -1.0f;
};
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
        EXPECT_EQ (parameters[i]->getCurrentValueAsText(), "0");
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
