#include "bench/DenormalMode.h"
#include "bench/HeavyScene.h"
#include "engine/RenderLoop.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

using namespace gatevox;

namespace
{
constexpr int blockSize = 512;
constexpr double sampleRate = 48000.0;
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

// One scene's model and render loop on noise at 0.5, 120 bpm, the song
// position moving on with every block.
class SceneRender
{
public:
    SceneRender (Scene which, int kernel)
    {
        model.prepareToPlay (sampleRate);
        programme (model, which, kernel);
        scene::Noise noise (0.5f);
        for (std::size_t i = 0; i < noiseLeft.size(); ++i)
            noiseLeft[i] = noise.next(), noiseRight[i] = noise.next();
    }

    void renderBlock() noexcept
    {
        std::copy_n (noiseLeft.begin() + static_cast<std::ptrdiff_t> (offset), blockSize, left.begin());
        std::copy_n (noiseRight.begin() + static_cast<std::ptrdiff_t> (offset), blockSize, right.begin());
        offset = (offset + blockSize) % (noiseLeft.size() - blockSize);
        loop.process (left.data(), right.data(), blockSize, HostPosition{tempo, ppq});
        ppq += blockSize * tempo / (60.0 * sampleRate);
        benchmark::DoNotOptimize (left.data());
    }

private:
    ProcessorModel model{[] (int) { return std::string(); }};
    RenderLoop loop{model};
    std::vector<float> noiseLeft = std::vector<float> (static_cast<std::size_t> (sampleRate));
    std::vector<float> noiseRight = noiseLeft;
    std::vector<float> left = std::vector<float> (blockSize), right = left;
    double ppq = 0.25;
    std::size_t offset = 0;
};

// Real-time factor: seconds of audio rendered per second of CPU time.
void renderScene (benchmark::State& state, Scene which, int kernel)
{
    SceneRender render (which, kernel);
    const DenormalMode flush;
    for (auto _ : state)
        render.renderBlock();

    state.SetItemsProcessed (state.iterations() * blockSize);
    state.counters["realtime_x"] = benchmark::Counter (
        static_cast<double> (state.iterations()) * blockSize / sampleRate, benchmark::Counter::kIsRate);
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
