#include "bench/DenormalMode.h"
#include "bench/HeavyScene.h"
#include "bench/LoopedInput.h"
#include "engine/RenderLoop.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <utility>
#include <vector>

using namespace gatevox;

namespace
{
constexpr double sampleRate = bench::LoopedInput::sampleRate;
constexpr double tempo = 120.0;

enum class Scene
{
    heavy,         // the five-slot scene of HeavyScene.h
    oneKernel,     // one of its kernels on every step of layer 0
    everyStepEmpty // nothing sounds, the bypass option on
};

void programme (ProcessorModel& model, Scene which, int kernel)
{
    model.globalOptions.change (GlobalOptions::emptySequenceDefault, 1.0f);
    if (which == Scene::heavy)
        scene::programmeHeavyScene (model);
    if (which == Scene::oneKernel)
    {
        scene::loadCatalogueKernel (model, 0, kernel);
        for (int step = 0; step < numSteps; ++step)
            model.writeStep (0, 0, step, 0);
        model.setPatternSpeed (2);
    }
}

// One second of noise at 0.5 on each channel, independent, at 120 bpm.
bench::LoopedInput noiseInput()
{
    std::vector<float> left (static_cast<std::size_t> (sampleRate)), right (left.size());
    scene::Noise noise (0.5f);
    for (std::size_t i = 0; i < left.size(); ++i)
        left[i] = noise.next(), right[i] = noise.next();
    return {std::move (left), std::move (right), tempo};
}

// One scene's model and render loop on that noise, 120 bpm, the song
// position moving on with every block.
class SceneRender
{
public:
    SceneRender (Scene which, int kernel)
    {
        model.prepareToPlay (sampleRate);
        programme (model, which, kernel);
    }

    void renderBlock() noexcept { input.renderBlock (loop); }

private:
    ProcessorModel model{[] (int) { return std::string(); }};
    RenderLoop loop{model};
    bench::LoopedInput input = noiseInput();
};

// Real-time factor: seconds of audio rendered per second of CPU time.
void renderScene (benchmark::State& state, Scene which, int kernel)
{
    SceneRender render (which, kernel);
    const DenormalMode flush;
    for (auto _ : state)
        render.renderBlock();
    bench::LoopedInput::reportRealTime (state);
}

// The median and the slowest of the first four seconds of blocks. The scene
// renders five times from a fresh model and each block keeps its fastest time,
// so that a preemption on a shared machine only counts if it hits the same
// block every time, while a block that is always heavy stays heavy.
void blockProfile (benchmark::State& state, Scene which, int kernel)
{
    constexpr std::size_t blocks = 375;
    std::vector<double> fastest (blocks, 1.0e300);
    for (auto _ : state)
        for (int run = 0; run < 5; ++run)
        {
            SceneRender render (which, kernel);
            const DenormalMode flush;
            for (auto& ns : fastest)
            {
                const auto start = std::chrono::steady_clock::now();
                render.renderBlock();
                const double elapsed =
                    std::chrono::duration<double, std::nano> (std::chrono::steady_clock::now() - start).count();
                ns = std::min (ns, elapsed);
            }
        }

    const double worst = *std::max_element (fastest.begin(), fastest.end());
    std::nth_element (fastest.begin(), fastest.begin() + blocks / 2, fastest.end());
    state.counters["median_block_us"] = fastest[blocks / 2] / 1000.0;
    state.counters["worst_block_us"] = worst / 1000.0;
    state.counters["worst_over_median"] = worst / fastest[blocks / 2];
}

// Each case twice: the real-time factor, and the block profile.
void registerScene (const std::string& name, Scene which, int kernel)
{
    benchmark::RegisterBenchmark (("scene/" + name).c_str(),
                                  [which, kernel] (benchmark::State& state) { renderScene (state, which, kernel); });
    benchmark::RegisterBenchmark (("sceneBlocks/" + name).c_str(),
                                  [which, kernel] (benchmark::State& state) { blockProfile (state, which, kernel); })
        ->Iterations (1)
        ->Unit (benchmark::kMillisecond);
}

const bool registered = []
{
    registerScene ("heavy", Scene::heavy, 0);
    for (const int kernel :
         {kernelId::fmMod, kernelId::lpfColor, kernelId::formant, kernelId::delayMod, kernelId::lpf24dB})
        registerScene ("oneKernel/" + std::string (kernelNameOfId (kernel)), Scene::oneKernel, kernel);
    registerScene ("everyStepEmpty", Scene::everyStepEmpty, 0);
    return true;
}();
} // namespace
