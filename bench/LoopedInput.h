#pragma once

#include "engine/RenderLoop.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace gatevox::bench
{
// Feeds a render loop one block after another of a stereo input that loops,
// the song position moving on with every block at a steady tempo.
class LoopedInput
{
public:
    static constexpr int blockSize = 512;
    static constexpr double sampleRate = 48000.0;

    LoopedInput (std::vector<float> inputLeft, std::vector<float> inputRight, double bpm)
        : sourceLeft (std::move (inputLeft)), sourceRight (std::move (inputRight)), tempo (bpm)
    {
    }

    void renderBlock (RenderLoop& loop) noexcept
    {
        std::copy_n (sourceLeft.begin() + static_cast<std::ptrdiff_t> (offset), blockSize, left.begin());
        std::copy_n (sourceRight.begin() + static_cast<std::ptrdiff_t> (offset), blockSize, right.begin());
        offset = (offset + blockSize) % (sourceLeft.size() - blockSize);
        loop.process (left.data(), right.data(), blockSize, HostPosition{tempo, ppq});
        ppq += blockSize * tempo / (60.0 * sampleRate);
        benchmark::DoNotOptimize (left.data());
    }

    // Samples per iteration as items, and the real-time factor: seconds of
    // audio rendered per second of processing.
    static void reportRealTime (benchmark::State& state)
    {
        state.SetItemsProcessed (state.iterations() * blockSize);
        state.counters["realtime_x"] = benchmark::Counter (
            static_cast<double> (state.iterations()) * blockSize / sampleRate, benchmark::Counter::kIsRate);
    }

private:
    std::vector<float> sourceLeft, sourceRight;
    std::vector<float> left = std::vector<float> (blockSize), right = left;
    double tempo;
    double ppq = 0.25;
    std::size_t offset = 0;
};
} // namespace gatevox::bench
