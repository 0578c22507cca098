#include "bench/CatalogueDefaults.h"
#include "bench/DenormalMode.h"
#include "bench/LoopedInput.h"
#include "core/ProcessorModel.h"
#include "engine/RenderLoop.h"
#include "kernels/KernelCatalogue.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

using namespace gatevox;

namespace
{
constexpr double sampleRate = bench::LoopedInput::sampleRate;
constexpr double tempo = 120.0;
} // namespace

namespace gatevox::bench
{
// Every step of pattern 0 on layer 0 sounds slot 0, which runs the kernel with
// its catalogue defaults. TailBench.cpp declares it too.
void programmeOneKernel (ProcessorModel& model, int kernel)
{
    model.globalOptions.change (GlobalOptions::emptySequenceDefault, 1.0f);
    scene::loadCatalogueKernel (model, 0, kernel);

    for (int step = 0; step < numSteps; ++step)
    {
        model.writeStep (0, 0, step, 0);
    }
}
} // namespace gatevox::bench

namespace
{
// Real-time factor of one kernel through the whole render loop: seconds of
// audio rendered per second of processing, on a two-tone input peaking at
// -10.5 dBFS, the song moving on at 120 bpm. Flush-to-zero and
// denormals-are-zero are on, as in the plug-in's process block.
void renderKernel (benchmark::State& state, int kernel)
{
    ProcessorModel model ([] (int) { return std::string(); });
    model.prepareToPlay (sampleRate);
    bench::programmeOneKernel (model, kernel);
    RenderLoop loop (model);

    std::vector<float> toneLeft (static_cast<std::size_t> (sampleRate)), toneRight (toneLeft.size());
    for (std::size_t i = 0; i < toneLeft.size(); ++i)
    {
        const auto t = static_cast<float> (i);
        toneLeft[i] = 0.2f * std::sin (0.031f * t) + 0.1f * std::sin (0.9f * t);
        toneRight[i] = 0.3f * std::cos (0.017f * t);
    }

    bench::LoopedInput input (std::move (toneLeft), std::move (toneRight), tempo);
    {
        const DenormalMode flush;
        for (auto _ : state)
            input.renderBlock (loop);
    }
    bench::LoopedInput::reportRealTime (state);
}

const bool registered = []
{
    for (int kernel = 0; kernel < numKernels; ++kernel)
        benchmark::RegisterBenchmark (("kernelRender/" + std::string (kernelNameOfId (kernel))).c_str(),
                                      [kernel] (benchmark::State& state) { renderKernel (state, kernel); });
    return true;
}();
} // namespace
