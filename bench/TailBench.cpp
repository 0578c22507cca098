#include "bench/DenormalMode.h"
#include "core/ProcessorModel.h"
#include "engine/RenderLoop.h"
#include "kernels/KernelCatalogue.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

using namespace gatevox;

namespace gatevox::bench
{
// In KernelBench.cpp: every step of layer 0 sounds slot 0 with the kernel's
// catalogue defaults.
void programmeOneKernel (ProcessorModel& model, int kernel);
} // namespace gatevox::bench

namespace
{
constexpr int blockSize = 512;
constexpr double sampleRate = 48000.0;
constexpr double tempo = 120.0;

// Half a second of the two-tone input, a quarter of a second of full-scale
// noise, then three seconds of tail.
constexpr int toneBlocks = 47;
constexpr int burstBlocks = 23;
constexpr int tailBlocks = 282;

enum class Tail
{
    silence,  // digital zero: the render loop's silence decay takes over after 256 samples
    quietLeft // a 440 Hz tone at -70 dBFS on the left, digital zero on the right
};

double median (std::vector<double> values)
{
    const auto middle = values.begin() + static_cast<std::ptrdiff_t> (values.size() / 2);
    std::nth_element (values.begin(), middle, values.end());
    return *middle;
}

struct TailInput
{
    std::vector<float> toneLeft, toneRight, noiseLeft, noiseRight, quiet, silence;

    TailInput()
        : toneLeft (toneBlocks * blockSize), toneRight (toneLeft.size()), noiseLeft (burstBlocks * blockSize),
          noiseRight (noiseLeft.size()), quiet (tailBlocks * blockSize), silence (blockSize, 0.0f)
    {
        for (std::size_t i = 0; i < toneLeft.size(); ++i)
        {
            const auto t = static_cast<float> (i);
            toneLeft[i] = 0.2f * std::sin (0.031f * t) + 0.1f * std::sin (0.9f * t);
            toneRight[i] = 0.3f * std::cos (0.017f * t);
        }

        std::mt19937 generator (7);
        std::uniform_real_distribution<float> fullScale (-1.0f, 1.0f);
        for (std::size_t i = 0; i < noiseLeft.size(); ++i)
        {
            noiseLeft[i] = fullScale (generator);
            noiseRight[i] = fullScale (generator);
        }

        // The tone alone keeps the render loop's silence test open (it stays
        // under the threshold for a dozen samples around each zero crossing,
        // far fewer than the 256 it needs), so the kernels keep running while
        // their right-channel state decays from the burst with nothing to feed it.
        for (std::size_t i = 0; i < quiet.size(); ++i)
            quiet[i] =
                0.0003f * std::sin (6.2831855f * 440.0f * static_cast<float> (i) / static_cast<float> (sampleRate));
    }
};

// Each block of the tail timed on its own against the median block while the
// tone plays. Every iteration renders the same blocks from a fresh model, and
// each block keeps its fastest time: a preemption rarely hits the same block in
// every iteration, while a tail that turns denormal is slow every time.
// With flushDenormals false, FTZ and DAZ are cleared for the render, otherwise
// set as the plug-in's process block sets them.
void renderTail (benchmark::State& state, int kernel, bool flushDenormals, Tail tail)
{
    static const TailInput input;
    std::vector<double> steadyNs (toneBlocks, std::numeric_limits<double>::infinity());
    std::vector<double> tailNs (tailBlocks, steadyNs.front());
    std::vector<float> left (blockSize), right (blockSize);

    for (auto _ : state)
    {
        state.PauseTiming();
        auto model = std::make_unique<ProcessorModel> ([] (int) { return std::string(); });
        model->prepareToPlay (sampleRate);
        bench::programmeOneKernel (*model, kernel);
        RenderLoop loop (*model);
        state.ResumeTiming();

        const DenormalMode denormals (flushDenormals);

        double ppq = 0.25;
        auto renderBlock = [&] (const float* sourceLeft, const float* sourceRight)
        {
            std::copy_n (sourceLeft, blockSize, left.begin());
            std::copy_n (sourceRight, blockSize, right.begin());
            const auto start = std::chrono::steady_clock::now();
            loop.process (left.data(), right.data(), blockSize, HostPosition{tempo, ppq});
            const auto stop = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize (left.data());
            ppq += blockSize * tempo / (60.0 * sampleRate);
            return std::chrono::duration<double, std::nano> (stop - start).count();
        };

        for (int block = 0; block < toneBlocks; ++block)
        {
            const auto ns = renderBlock (&input.toneLeft[static_cast<std::size_t> (block * blockSize)],
                                         &input.toneRight[static_cast<std::size_t> (block * blockSize)]);
            steadyNs[static_cast<std::size_t> (block)] = std::min (steadyNs[static_cast<std::size_t> (block)], ns);
        }

        for (int block = 0; block < burstBlocks; ++block)
            renderBlock (&input.noiseLeft[static_cast<std::size_t> (block * blockSize)],
                         &input.noiseRight[static_cast<std::size_t> (block * blockSize)]);

        for (int block = 0; block < tailBlocks; ++block)
        {
            const float* sourceLeft = tail == Tail::silence
                                          ? input.silence.data()
                                          : &input.quiet[static_cast<std::size_t> (block * blockSize)];
            const auto ns = renderBlock (sourceLeft, input.silence.data());
            tailNs[static_cast<std::size_t> (block)] = std::min (tailNs[static_cast<std::size_t> (block)], ns);
        }
    }

    const double steady = median (steadyNs);
    const double worstTail = *std::max_element (tailNs.begin(), tailNs.end());
    state.counters["steady_ns"] = steady;
    // Kernels with work once per frame (the frequency trackers' transform) have
    // a slow block every few blocks while the tone plays too.
    state.counters["steady_worst_ns"] = *std::max_element (steadyNs.begin(), steadyNs.end());
    state.counters["worst_tail_ns"] = worstTail;
    state.counters["tail_ratio"] = worstTail / steady;
}

const bool registered = []
{
    for (int kernel = 0; kernel < numKernels; ++kernel)
        for (const bool flush : {true, false})
            for (const auto tail : {Tail::silence, Tail::quietLeft})
            {
                const std::string name = std::string ("kernelTail/") +
                                         (tail == Tail::silence ? "silence/" : "quietLeft/") +
                                         (flush ? "ftz/" : "noFtz/") + std::string (kernelNameOfId (kernel));
                benchmark::RegisterBenchmark (name.c_str(), [kernel, flush, tail] (benchmark::State& state)
                                              { renderTail (state, kernel, flush, tail); })
                    ->Iterations (5)
                    ->Unit (benchmark::kMillisecond);
            }
    return true;
}();
} // namespace
