#include "core/SkiptorAudioProcessor.h"

#include "kernels/KernelCatalogue.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
// A play head that reports a fixed tempo and song position.
class FixedPlayHead final : public juce::AudioPlayHead
{
public:
    FixedPlayHead (double bpmToReport, double ppqToReport) : bpm (bpmToReport), ppq (ppqToReport) {}

    juce::Optional<PositionInfo> getPosition() const override
    {
        PositionInfo info;
        info.setBpm (bpm);
        info.setPpqPosition (ppq);
        info.setIsPlaying (true);
        return info;
    }

private:
    double bpm, ppq;
};

juce::AudioBuffer<float> rampBuffer (int samples)
{
    juce::AudioBuffer<float> buffer (2, samples);
    for (int i = 0; i < samples; ++i)
    {
        buffer.setSample (0, i, std::sin (0.01f * static_cast<float> (i)));
        buffer.setSample (1, i, -0.5f * std::sin (0.02f * static_cast<float> (i)));
    }
    return buffer;
}
} // namespace

TEST (Processor, HostFacingAnswers)
{
    SkiptorAudioProcessor p;
    EXPECT_EQ (p.getName(), "Gatevox");
    EXPECT_EQ (p.getInputChannelName (0), "ChannelLeft");
    EXPECT_EQ (p.getInputChannelName (1), "ChannelRight");
    EXPECT_EQ (p.getInputChannelName (2), "Channel3");
    EXPECT_EQ (p.getInputChannelName (9), "Channel10");
    EXPECT_EQ (p.getOutputChannelName (0), "1");
    EXPECT_EQ (p.getOutputChannelName (1), "2");
    EXPECT_EQ (p.getOutputChannelName (4), "5");
    EXPECT_TRUE (p.isInputChannelStereoPair (0));
    EXPECT_TRUE (p.isOutputChannelStereoPair (1));
    EXPECT_FALSE (p.silenceInProducesSilenceOut());
    EXPECT_EQ (p.getTailLengthSeconds(), 0.0);
    EXPECT_FALSE (p.acceptsMidi());
    EXPECT_FALSE (p.producesMidi());
    EXPECT_TRUE (p.hasEditor());
    EXPECT_EQ (p.getNumPrograms(), 1);
    EXPECT_EQ (p.getProgramName (0), "Program 1");
    EXPECT_EQ (p.getProgramName (6), "Program 7");
    p.setCurrentProgram (3);
    p.changeProgramName (0, "Other");
    EXPECT_EQ (p.getCurrentProgram(), 0);
    EXPECT_EQ (p.getProgramName (0), "Program 1");
    EXPECT_EQ (p.getTotalNumInputChannels(), 2);
    EXPECT_EQ (p.getTotalNumOutputChannels(), 2);
    EXPECT_EQ (p.getLatencySamples(), 0);
}

TEST (Processor, EditorIsTheFixedSizeWindow)
{
    SkiptorAudioProcessor p;
    std::unique_ptr<juce::AudioProcessorEditor> editor (p.createEditor());
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (editor->getWidth(), 800);
    EXPECT_EQ (editor->getHeight(), 500);
}

TEST (Processor, EmptyStepsWithBypassPassAudioAtTheMasterGain)
{
    SkiptorAudioProcessor p;
    p.prepareToPlay (44100.0, 256);
    FixedPlayHead head (120.0, 37.5);
    p.setPlayHead (&head);
    p.getModel().globalOptions.change (gatevox::GlobalOptions::emptySequenceDefault, 1.0f);
    p.getModel().globalOptions.change (gatevox::GlobalOptions::additionalSmoothing, 1.0f);

    auto buffer = rampBuffer (256);
    const auto input = buffer;
    juce::MidiBuffer midi;
    p.processBlock (buffer, midi);

    const float masterGain = std::pow (10.0f, 0.15f);
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < 256; ++i)
            ASSERT_EQ (buffer.getSample (c, i), input.getSample (c, i) * masterGain);

    auto& model = p.getModel();
    EXPECT_EQ (model.transport.step.get(), 6);
    EXPECT_EQ (model.transport.samplesPerStep.get(), 22050);
    EXPECT_NEAR (model.transport.ppqPos.get(), 37.5 + 256 * 120.0 / (60.0 * 44100.0), 1e-9);
    p.setPlayHead (nullptr);
}

TEST (Processor, ChoosingAKernelLoadsItsDefaults)
{
    SkiptorAudioProcessor p;
    auto& model = p.getModel();
    p.chooseKernel (2, "LPF 12dB");
    EXPECT_EQ (model.slot (2).ints.read (gatevox::SlotSettings::kernelId), gatevox::kernelId::lpf12dB);
    EXPECT_EQ (model.kernelParams (2).value.read (gatevox::kernelParam::fc), 3000.0f);
    EXPECT_EQ (model.kernelParams (2).maximum.read (gatevox::kernelParam::fc), 20000.0f);

    // A name outside the catalogue runs as "BYPASS" with nothing loaded.
    p.chooseKernel (2, "LPF MOOG");
    EXPECT_EQ (model.slot (2).ints.read (gatevox::SlotSettings::kernelId), gatevox::kernelId::bypass);
    EXPECT_EQ (model.kernelParams (2).value.read (gatevox::kernelParam::fc), 0.0f);
}

TEST (Processor, NoPlayHeadOrPositionZeroLeavesTheBlockAlone)
{
    SkiptorAudioProcessor p;
    p.prepareToPlay (48000.0, 64);
    juce::MidiBuffer midi;

    auto buffer = rampBuffer (64);
    p.processBlock (buffer, midi);
    EXPECT_EQ (p.getModel().transport.ppqPos.get(), 0.0);

    FixedPlayHead parked (120.0, 0.0);
    p.setPlayHead (&parked);
    p.processBlock (buffer, midi);
    EXPECT_EQ (p.getModel().transport.ppqPos.get(), 0.0);
    p.setPlayHead (nullptr);
}

TEST (Processor, ResetToBlankEmptiesThePatterns)
{
    SkiptorAudioProcessor p;
    auto& model = p.getModel();
    model.writeStep (2, 1, 3, 0);
    p.resetToBlank();
    EXPECT_EQ (model.steps.read (2, 1, 3), gatevox::emptyStep);
    EXPECT_EQ (model.stepMirror.read (1, 2, 3), gatevox::emptyStep);
}

TEST (Processor, HostStateRoundTripsThroughTheFrameworkBlock)
{
    SkiptorAudioProcessor saved;
    saved.prepareToPlay (44100.0, 256);
    auto& params = saved.getParameters();
    params[42 + 2]->setValue (2.0f / 6.0f); // "Step 3": slot 3
    params[41]->setValue (0.25f);           // "Effect Mix"
    params[68]->setValue (0.5f);            // "Route Type 1": "Series A"
    saved.chooseKernel (1, "RESONATOR");

    juce::MemoryBlock block;
    saved.getStateInformation (block);
    ASSERT_GT (block.getSize(), 8u);
    EXPECT_EQ (static_cast<const juce::uint32*> (block.getData())[0], 0x21324356u);

    SkiptorAudioProcessor restored;
    restored.setStateInformation (block.getData(), static_cast<int> (block.getSize()));
    auto& model = restored.getModel();
    EXPECT_EQ (model.steps.read (0, 0, 2), 2);
    EXPECT_EQ (model.sequencer.floats.read (gatevox::SequencerState::effectMix), 0.25f);
    EXPECT_TRUE (model.routeMixers[0].isSeries (0));
    EXPECT_EQ (model.slot (1).ints.read (gatevox::SlotSettings::kernelId), gatevox::kernelId::resonator);
    EXPECT_EQ (model.kernelParams (1).value.read (gatevox::kernelParam::freq1), 8800.0f);

    // Blocks that are not a state leave the processor as it was.
    const char garbage[] = "\x01\x02 this is no state block <SkiptorStateInfo step=\"1\"/>";
    restored.setStateInformation (garbage, sizeof (garbage));
    restored.setStateInformation (nullptr, 0);
    EXPECT_EQ (model.steps.read (0, 0, 2), 2);
}
