#include "core/SkiptorAudioProcessor.h"
#include "kernels/KernelCatalogue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

// Hosts call in unusual orders and with unusual values; the processor keeps
// working and its output stays finite and bounded.
namespace
{
class ScriptedPlayHead final : public juce::AudioPlayHead
{
public:
    juce::Optional<PositionInfo> getPosition() const override
    {
        PositionInfo info;
        info.setBpm (bpm.load());
        info.setPpqPosition (ppq.load());
        info.setIsPlaying (true);
        return info;
    }

    std::atomic<double> bpm{120.0}, ppq{0.5};
};

// A processor sounding a filter, a delay and a modulator on every step,
// driven by a play head the test moves.
struct PlayingProcessor
{
    SkiptorAudioProcessor processor;
    ScriptedPlayHead playHead;
    juce::MidiBuffer midi;
    juce::int64 samplesPlayed = 0;

    PlayingProcessor()
    {
        const char* kernels[] = {"LPF 24dB", "DELAY MOD", "RING MOD", "RESONATOR", "SAMPLE HOLD"};
        auto& model = processor.getModel();
        for (int s = 0; s < gatevox::numSlots; ++s)
            processor.chooseKernel (s, kernels[s]);
        for (int layer = 0; layer < 2; ++layer)
            for (int step = 0; step < gatevox::numSteps; ++step)
            {
                model.writeStep (0, layer, step, (step + layer) % gatevox::numSlots);
            }
        processor.setPlayHead (&playHead);
    }

    // Renders a block of a loud tone and moves the song position on with it;
    // returns the largest output magnitude, or infinity for a non-finite sample.
    float play (int numSamples, double rate = 48000.0)
    {
        juce::AudioBuffer<float> buffer (2, std::max (numSamples, 0));
        for (int i = 0; i < numSamples; ++i)
        {
            const auto x = 0.7f * std::sin (0.03f * static_cast<float> (samplesPlayed + i));
            buffer.setSample (0, i, x);
            buffer.setSample (1, i, -x);
        }
        processor.processBlock (buffer, midi);
        samplesPlayed += numSamples;
        playHead.ppq = playHead.ppq.load() + numSamples * playHead.bpm.load() / 60.0 / rate;

        float largest = 0.0f;
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < numSamples; ++i)
            {
                const auto y = buffer.getSample (c, i);
                if (!std::isfinite (y))
                    return std::numeric_limits<float>::infinity();
                largest = std::max (largest, std::abs (y));
            }
        return largest;
    }

    float playSeconds (double seconds, int blockSize, double rate = 48000.0)
    {
        float largest = 0.0f;
        for (int n = 0; n < static_cast<int> (seconds * rate); n += blockSize)
            largest = std::max (largest, play (blockSize, rate));
        return largest;
    }
};

// Loud input and resonant kernels stay well inside this.
constexpr float bound = 16.0f;
} // namespace

TEST (HostFaults, ProcessBeforePrepareAndPrepareTwiceAtOtherRates)
{
    PlayingProcessor before;
    EXPECT_LT (before.playSeconds (0.5, 512), bound);

    // A second prepare at another rate, with no release between them, takes
    // the new rate and plays on.
    PlayingProcessor twice;
    twice.processor.prepareToPlay (44100.0, 512);
    EXPECT_LT (twice.playSeconds (0.2, 512, 44100.0), bound);
    twice.processor.prepareToPlay (96000.0, 256);
    EXPECT_LT (twice.playSeconds (0.5, 256, 96000.0), bound);
    EXPECT_EQ (twice.processor.getModel().transport.sampleRateInt.get(), 96000);
}

TEST (HostFaults, BlocksLongerThanAnnouncedAndZeroLengthBlocks)
{
    PlayingProcessor oversized;
    oversized.processor.prepareToPlay (48000.0, 64);
    EXPECT_LT (oversized.play (48000), bound);
    EXPECT_LT (oversized.play (65536), bound);

    // Empty blocks, and blocks with no channels, change nothing.
    PlayingProcessor withEmptyBlocks, plain;
    withEmptyBlocks.processor.prepareToPlay (48000.0, 512);
    plain.processor.prepareToPlay (48000.0, 512);
    for (int block = 0; block < 50; ++block)
    {
        withEmptyBlocks.play (0);
        juce::AudioBuffer<float> noChannels (0, 512);
        withEmptyBlocks.processor.processBlock (noChannels, withEmptyBlocks.midi);
        withEmptyBlocks.play (512);
        plain.play (512);
    }
    const auto& a = withEmptyBlocks.processor.getModel().render.lastOutput;
    const auto& b = plain.processor.getModel().render.lastOutput;
    EXPECT_EQ (a[0], b[0]);
    EXPECT_EQ (a[1], b[1]);
}

TEST (HostFaults, SampleRatesOutsideTheRangeAndTempoZero)
{
    for (const double rate : {0.0, -44100.0, 200000.0, 1.0e9, std::numeric_limits<double>::quiet_NaN()})
    {
        PlayingProcessor p;
        p.processor.prepareToPlay (rate, 512);
        EXPECT_LT (p.playSeconds (0.3, 512), bound) << rate;
    }

    PlayingProcessor still;
    still.processor.prepareToPlay (48000.0, 512);
    still.playHead.bpm = 0.0;
    EXPECT_LT (still.playSeconds (0.5, 512), bound);
    still.playHead.bpm = -60.0;
    EXPECT_LT (still.playSeconds (0.2, 512), bound);
    still.playHead.bpm = std::numeric_limits<double>::infinity();
    EXPECT_LT (still.playSeconds (0.2, 512), bound);
}

TEST (HostFaults, SongPositionJumpsBackAndFarAhead)
{
    PlayingProcessor p;
    p.processor.prepareToPlay (48000.0, 512);
    for (const double jump : {64.0, 0.75, 1.0e9, 3.0, 1.0e15, -8.0, 1.0e300, 2.5})
    {
        p.playHead.ppq = jump;
        EXPECT_LT (p.playSeconds (0.25, 512), bound) << jump;
        const auto step = p.processor.getModel().transport.step.get();
        EXPECT_GE (step, 1) << jump;
        EXPECT_LE (step, gatevox::numSteps) << jump;
    }
}

// A host restores state on its message thread while the audio thread plays.
TEST (HostFaults, StateRestoredDuringPlayback)
{
    PlayingProcessor saved;
    juce::MemoryBlock states[2];
    saved.processor.getStateInformation (states[0]);
    saved.processor.chooseKernel (0, "FORMANT");
    saved.processor.chooseKernel (2, "RESAMPLER");
    saved.processor.getStateInformation (states[1]);

    PlayingProcessor p;
    p.processor.prepareToPlay (48000.0, 512);
    std::atomic<bool> playing{true};
    std::atomic<float> largest{0.0f};
    std::thread audio (
        [&]
        {
            while (playing.load())
                largest = std::max (largest.load(), p.play (512));
        });
    for (int restore = 0; restore < 40; ++restore)
        p.processor.setStateInformation (states[restore % 2].getData(),
                                         static_cast<int> (states[restore % 2].getSize()));
    playing = false;
    audio.join();
    EXPECT_LT (largest.load(), bound);
    EXPECT_EQ (p.processor.getModel().slot (0).ints.read (gatevox::SlotSettings::kernelId), gatevox::kernelId::formant);
}
