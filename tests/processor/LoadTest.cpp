#include "core/SkiptorAudioProcessor.h"
#include "kernels/KernelCatalogue.h"

#include <gtest/gtest.h>

#include <malloc.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <memory>
#include <random>
#include <thread>
#include <vector>

// Sixteen instances in one process, as in a large project: two threads render
// them while a third automates random parameters and a fourth saves one
// instance's state and restores it into another.
namespace
{
constexpr int numInstances = 16, blockSize = 512;
constexpr double sampleRate = 48000.0;

class PlayingPlayHead final : public juce::AudioPlayHead
{
public:
    juce::Optional<PositionInfo> getPosition() const override
    {
        PositionInfo info;
        info.setBpm (140.0);
        info.setPpqPosition (ppq);
        info.setIsPlaying (true);
        return info;
    }

    double ppq = 0.5; // moved by the instance's render thread only
};

struct Instance
{
    SkiptorAudioProcessor processor;
    PlayingPlayHead playHead;
    juce::AudioBuffer<float> buffer{2, blockSize};
    juce::MidiBuffer midi;
    long nonFiniteSamples = 0;

    explicit Instance (int index)
    {
        // Every instance plays its own five kernels; together they cover the catalogue.
        for (int s = 0; s < gatevox::numSlots; ++s)
        {
            const auto name = gatevox::kernelNameOfId ((index * gatevox::numSlots + s) % gatevox::numKernels);
            processor.chooseKernel (s, juce::String (name.data(), name.size()));
        }
        auto& model = processor.getModel();
        for (int layer = 0; layer < gatevox::numLayers; ++layer)
            for (int step = 0; step < gatevox::numSteps; ++step)
            {
                const int s = (layer + step + (step % 2) * 2) % gatevox::numSlots;
                model.writeStep (0, layer, step, s);
            }
        processor.setPlayHead (&playHead);
        processor.prepareToPlay (sampleRate, blockSize);
    }

    void renderBlock (std::minstd_rand& noise)
    {
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < blockSize; ++i)
                buffer.setSample (
                    c, i, 0.5f * (static_cast<float> (noise()) / static_cast<float> (std::minstd_rand::max()) - 0.5f));
        processor.processBlock (buffer, midi);
        playHead.ppq += blockSize * 140.0 / 60.0 / sampleRate;
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < blockSize; ++i)
                nonFiniteSamples += std::isfinite (buffer.getSample (c, i)) ? 0 : 1;
    }
};

struct Session
{
    std::vector<std::unique_ptr<Instance>> instances;
    juce::MemoryBlock firstState;

    Session()
    {
        for (int i = 0; i < numInstances; ++i)
            instances.push_back (std::make_unique<Instance> (i));
        instances.front()->processor.getStateInformation (firstState);
    }

    // Renders every instance for the given number of blocks, half of them on
    // each render thread, while automation and state traffic run alongside.
    void play (int blocks, unsigned seed)
    {
        std::atomic<int> renderersRunning{2};
        auto render = [&] (int first)
        {
            std::minstd_rand noise (seed + static_cast<unsigned> (first));
            for (int block = 0; block < blocks; ++block)
                for (int i = first; i < numInstances; i += 2)
                    instances[static_cast<std::size_t> (i)]->renderBlock (noise);
            renderersRunning.fetch_sub (1);
        };

        auto automate = [&]
        {
            std::mt19937 random (seed);
            std::uniform_int_distribution<int> instance (0, numInstances - 1),
                parameter (0, gatevox::numAutomationParameters - 1);
            std::uniform_real_distribution<float> value (0.0f, 1.0f);
            while (renderersRunning.load() > 0)
            {
                auto& processor = instances[static_cast<std::size_t> (instance (random))]->processor;
                if (auto* p = processor.getParameters()[parameter (random)])
                    p->setValue (value (random));
                std::this_thread::yield();
            }
        };

        auto saveAndRestore = [&]
        {
            std::mt19937 random (seed + 7);
            std::uniform_int_distribution<int> instance (0, numInstances - 1);
            while (renderersRunning.load() > 0)
            {
                juce::MemoryBlock state;
                instances[static_cast<std::size_t> (instance (random))]->processor.getStateInformation (state);
                instances[static_cast<std::size_t> (instance (random))]->processor.setStateInformation (
                    state.getData(), static_cast<int> (state.getSize()));
            }
        };

        std::thread threads[] = {std::thread (render, 0), std::thread (render, 1), std::thread (automate),
                                 std::thread (saveAndRestore)};
        for (auto& thread : threads)
            thread.join();
    }

    // Brings every instance to one state once nothing renders (the rebuild
    // worker has applied what automation left pending by then), so that the
    // LFO tables and envelope segments in use are shared and every replaced
    // one is let go. A segment starts from the last point of the build before
    // it, so a restore's first segments still depend on the session; a second
    // pass starts them from the restore's last ones, the same everywhere.
    void settle()
    {
        std::this_thread::sleep_for (std::chrono::milliseconds (40 * SkiptorRebuildWorker::pollMilliseconds));
        for (auto& instance : instances)
        {
            instance->processor.setStateInformation (firstState.getData(), static_cast<int> (firstState.getSize()));
            auto& model = instance->processor.getModel();
            for (int s = 0; s < gatevox::numSlotRecords; ++s)
                model.rebuildEnvelope (s);
        }
    }

    long nonFiniteSamples() const
    {
        long count = 0;
        for (const auto& instance : instances)
            count += instance->nonFiniteSamples;
        return count;
    }
};

// Bytes handed out, from the arenas or mapped on their own: a block freed and
// allocated again may move from one to the other.
std::size_t heapInUse()
{
    const auto info = mallinfo2();
    return info.uordblks + info.hblkhd;
}
} // namespace

TEST (Load, SixteenInstancesRenderWhileAutomatedSavedAndRestored)
{
    Session session;
    session.play (100, 1);
    EXPECT_EQ (session.nonFiniteSamples(), 0);

    // Back at the same settings after the warm-up and after a session three
    // times as long, the heap is where it was (a sanitizer's allocator
    // reports nothing here and passes).
    session.settle();
    const auto warm = heapInUse();
    session.play (300, 2);
    session.settle();
    const auto later = heapInUse();
    EXPECT_LT (later, warm + 1024 * 1024) << warm << " bytes after warm-up, " << later << " later";
    EXPECT_EQ (session.nonFiniteSamples(), 0);
}
