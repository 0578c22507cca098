// The render loop must never touch the heap: this program replaces the global
// allocation functions and counts every call made while a block renders.
#include "tests/engine/RenderHarness.h"
#include "tests/support/AllocationCounter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <limits>

using namespace gatevox;

namespace
{
// Renders blocks of a sine (inverted on the right) and returns the heap calls
// made while they rendered.
long heapCallsWhileRendering (RenderHarness& h, int blocks)
{
    std::vector<float> left (512), right (512);
    long calls = 0;
    for (int block = 0; block < blocks; ++block)
    {
        for (std::size_t i = 0; i < left.size(); ++i)
        {
            left[i] = 0.5f * std::sin (0.01f * static_cast<float> (i + 512 * static_cast<std::size_t> (block)));
            right[i] = -left[i];
        }
        calls += heapCallsDuring ([&] { h.render (left, right); });
    }
    return calls;
}

// Every layer changes slot at every step, and all five slots sound.
void playEverySlotChangingEachStep (RenderHarness& h)
{
    for (int layer = 0; layer < numLayers; ++layer)
        for (int step = 0; step < numSteps; ++step)
            h.setStep (layer, step, (layer + step) % numSlots);
}
} // namespace

TEST (RenderAllocation, NoHeapCallFromTheFirstBlockOnForEveryKernel)
{
    RenderHarness h;
    h.tempo = 480.0; // short steps: many step changes per block
    h.model->setRouteType (2, 1);
    h.model->setRouteType (3, 1);
    h.model->setRouteType (4, 3);

    // Every layer changes slot at every step, and all five slots sound.
    for (int layer = 0; layer < numLayers; ++layer)
        for (int step = 0; step < numSteps; ++step)
            h.setStep (layer, step, (layer + step) % (numSlots + 1));

    long total = 0;
    for (int kernel = 0; kernel <= numKernels; ++kernel)
    {
        for (int s = 0; s < numSlots; ++s)
            h.setKernel (s, (kernel + s) % (numKernels + 1));

        total += heapCallsWhileRendering (h, 8);
    }
    EXPECT_EQ (total, 0);
}

// The delay kernels at each rate, with delay settings that glide, resize the
// lines, run past the longest line and make no sense at all.
TEST (RenderAllocation, NoHeapCallFromTheDelayKernelsAtAnyRate)
{
    const int kernels[] = {kernelId::lpfComb,  kernelId::lpfDoubler, kernelId::lpfSlapback,
                           kernelId::hpfComb,  kernelId::hpfDoubler, kernelId::hpfSlapback,
                           kernelId::delayMod, kernelId::vibrato,    kernelId::slapback};
    const float delays[] = {0.013f, 0.1f, 0.3f, 1.0e30f, -2.0f, std::numeric_limits<float>::quiet_NaN()};
    long total = 0;
    for (const double rate : {44100.0, 48000.0, 96000.0, 192000.0})
    {
        RenderHarness h (rate);
        h.tempo = 480.0;
        playEverySlotChangingEachStep (h);

        for (std::size_t k = 0; k < std::size (kernels); ++k)
            for (const float delay : delays)
            {
                for (int s = 0; s < numSlots; ++s)
                {
                    h.setKernel (s, kernels[(k + static_cast<std::size_t> (s)) % std::size (kernels)]);
                    h.setParam (s, kernelParam::delay1, delay);
                    h.setParam (s, kernelParam::width, 0.999f);
                    h.setParam (s, kernelParam::feedback, 0.9f);
                    h.setParam (s, kernelParam::mix, 0.5f);
                }
                total += heapCallsWhileRendering (h, 4);
            }
    }
    EXPECT_EQ (total, 0);
}

// The resampler and the sample-and-hold echo at each rate, with rates and
// delays that glide, run past their ranges and make no sense at all.
TEST (RenderAllocation, NoHeapCallFromTheResamplerKernelsAtAnyRate)
{
    const float settings[] = {0.0007f,
                              0.001f,
                              22050.0f,
                              1.0e30f,
                              -2.0f,
                              std::numeric_limits<float>::infinity(),
                              std::numeric_limits<float>::quiet_NaN()};
    long total = 0;
    for (const double rate : {1.0, 22050.0, 44100.0, 192000.0})
    {
        RenderHarness h (rate);
        h.tempo = 480.0;
        playEverySlotChangingEachStep (h);

        for (const float value : settings)
        {
            for (int s = 0; s < numSlots; ++s)
            {
                h.setKernel (s, s % 2 == 0 ? kernelId::resampler : kernelId::sampleHold);
                h.setParam (s, kernelParam::rate1, value);
                h.setParam (s, kernelParam::delay1, value * 0.0001f);
                h.setParam (s, kernelParam::amount, 0.9f);
                h.setParam (s, kernelParam::mix, 0.7f);
            }
            total += heapCallsWhileRendering (h, 4);
        }
    }
    EXPECT_EQ (total, 0);
}

// The modulator kernels at each rate, long enough for the frequency tracker to
// analyse several frames, with frequencies that are ordinary, huge and not numbers.
TEST (RenderAllocation, NoHeapCallFromTheModulatorKernelsAndTheTrackerAnalysis)
{
    const int kernels[] = {kernelId::fmMod, kernelId::hpfAmDsb, kernelId::bpfAmSsb, kernelId::ringMod,
                           kernelId::pmMod, kernelId::amDsb,    kernelId::amSsb};
    const float frequencies[] = {440.0f, 1.0e30f, -3.0f, std::numeric_limits<float>::quiet_NaN()};
    long total = 0;
    for (const double rate : {44100.0, 192000.0})
    {
        RenderHarness h (rate);
        h.tempo = 480.0;
        playEverySlotChangingEachStep (h);

        for (const float frequency : frequencies)
        {
            for (int s = 0; s < numSlots; ++s)
            {
                // Slot 0 stays on "FM MOD" so its tracker fills whole frames.
                h.setKernel (s, s == 0 ? kernelId::fmMod : kernels[static_cast<std::size_t> (s) % std::size (kernels)]);
                h.setParam (s, kernelParam::fc, frequency);
                h.setParam (s, kernelParam::freq1, frequency);
                h.setParam (s, kernelParam::amount, 2.0f);
                h.setParam (s, kernelParam::mix, 0.7f);
            }
            total += heapCallsWhileRendering (h, 20);
        }
    }
    EXPECT_EQ (total, 0);
}

// The color and formant kernels at each rate, with the vowel changing every
// block so the vowel stage is redesigned while playing.
TEST (RenderAllocation, NoHeapCallFromTheColorAndFormantKernels)
{
    const int kernels[] = {kernelId::lpfColor, kernelId::hpfColor, kernelId::formant, kernelId::formantAmDsb,
                           kernelId::formantAmSsb};
    const float vowels[] = {0.0f, 0.5f, 0.9f, 1.0f, 1.0e30f, std::numeric_limits<float>::quiet_NaN()};
    long total = 0;
    for (const double rate : {1.0, 44100.0, 192000.0})
    {
        RenderHarness h (rate);
        h.tempo = 480.0;
        playEverySlotChangingEachStep (h);

        for (std::size_t v = 0; v < std::size (vowels); ++v)
        {
            for (int s = 0; s < numSlots; ++s)
            {
                h.setKernel (s, kernels[(v + static_cast<std::size_t> (s)) % std::size (kernels)]);
                h.setParam (s, kernelParam::vowel, vowels[v]);
                h.setParam (s, kernelParam::color, 0.8f);
                h.setParam (s, kernelParam::mix, 0.7f);
            }
            total += heapCallsWhileRendering (h, 1);
        }
    }
    EXPECT_EQ (total, 0);
}
