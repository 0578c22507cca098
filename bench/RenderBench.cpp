#include "bench/LoopedInput.h"
#include "core/ProcessorModel.h"
#include "engine/RenderLoop.h"
#include "kernels/KernelCatalogue.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace gatevox;

namespace
{
constexpr double sampleRate = bench::LoopedInput::sampleRate;

enum class Pattern
{
    empty,       // every step empty, the bypass option on
    oneParallel, // one slot on layer 0
    dense,       // every layer changes slot at every step, all five slots sounding
    denseFilters // the same with filter, shaper and delay kernels
};

struct KernelSetting
{
    std::size_t k;
    float v;
};

// Catalogue defaults of the kernels the dense filter pattern plays.
void loadDefaults (ProcessorModel& model, int s, int kernel, std::initializer_list<KernelSetting> values)
{
    model.slot (s).ints.waitingWrite (SlotSettings::kernelId, kernel);
    for (const auto& [k, v] : values)
        model.kernelParams (s).value.waitingWrite (k, v);
}

void setStep (ProcessorModel& model, int layer, int step, int s)
{
    model.writeStep (0, layer, step, s);
}

void programme (ProcessorModel& model, Pattern pattern)
{
    model.globalOptions.change (GlobalOptions::emptySequenceDefault, 1.0f);
    const int kernels[numSlots] = {kernelId::tremolo, kernelId::stereoPan, kernelId::amMod, kernelId::tremolo,
                                   kernelId::amMod};
    for (int s = 0; s < numSlots; ++s)
    {
        model.slot (s).ints.waitingWrite (SlotSettings::kernelId, kernels[s]);
        auto& values = model.kernelParams (s).value;
        values.waitingWrite (kernelParam::depth, 0.8f);
        values.waitingWrite (kernelParam::fc, 3000.0f);
        values.waitingWrite (kernelParam::amount, 1.0f);
        values.waitingWrite (kernelParam::mix, 0.7f);
    }

    if (pattern == Pattern::oneParallel)
        for (int step = 0; step < numSteps; ++step)
            setStep (model, 0, step, 0);

    if (pattern == Pattern::denseFilters)
    {
        namespace p = kernelParam;
        loadDefaults (model, 0, kernelId::lpf24dB,
                      {{p::fc, 12000.0f}, {p::fmin, 0.1f}, {p::q, 1.414f}, {p::mix, 1.0f}});
        loadDefaults (model, 1, kernelId::hpfSvf1,
                      {{p::fc, 5000.0f}, {p::fmin, 0.667f}, {p::res, 0.777f}, {p::mix, 1.0f}});
        loadDefaults (model, 2, kernelId::lpfFuzz,
                      {{p::fc, 3400.0f}, {p::fmin, 0.1f}, {p::q, 1.0f}, {p::drive, 0.3f}, {p::mix, 1.0f}});
        loadDefaults (model, 3, kernelId::delayMod,
                      {{p::width, 0.1f}, {p::delay1, 0.1f}, {p::feedback, 0.3f}, {p::mix, 0.4f}});
        loadDefaults (model, 4, kernelId::bpfThin,
                      {{p::fc, 2000.0f}, {p::bw, 500.0f}, {p::q, 3.0f}, {p::mix, 0.9071f}});
    }

    if (pattern == Pattern::dense || pattern == Pattern::denseFilters)
    {
        model.setRouteType (3, 1);
        model.setRouteType (4, 1);
        for (int layer = 0; layer < numLayers; ++layer)
            for (int step = 0; step < numSteps; ++step)
                setStep (model, layer, step, (layer + step + (step % 2) * 2) % numSlots);

        // The fifth slot sounds through its envelope on layer 0's odd steps.
        model.envelope (4).switches.waitingWrite (EnvelopeSettings::envelopeOn, 1.0f);
    }
}

// Real-time factor: seconds of audio rendered per second of processing, as a
// counter beside the time per block.
void renderBlocks (benchmark::State& state, Pattern pattern, double tempo)
{
    ProcessorModel model ([] (int) { return std::string(); });
    model.prepareToPlay (sampleRate);
    programme (model, pattern);
    RenderLoop loop (model);

    // One second of a two-tone input, copied into the block before each call.
    std::vector<float> toneLeft (static_cast<std::size_t> (sampleRate)), toneRight (toneLeft.size());
    for (std::size_t i = 0; i < toneLeft.size(); ++i)
    {
        toneLeft[i] = 0.3f * std::sin (0.031f * static_cast<float> (i));
        toneRight[i] = 0.3f * std::cos (0.017f * static_cast<float> (i));
    }

    bench::LoopedInput input (std::move (toneLeft), std::move (toneRight), tempo);
    for (auto _ : state)
        input.renderBlock (loop);
    bench::LoopedInput::reportRealTime (state);
}

void allStepsEmpty (benchmark::State& state)
{
    renderBlocks (state, Pattern::empty, 120.0);
}
void oneParallelSlot (benchmark::State& state)
{
    renderBlocks (state, Pattern::oneParallel, 120.0);
}
// At 960 bpm a step lasts 3000 samples: every step changes slot on all layers.
void densePattern (benchmark::State& state)
{
    renderBlocks (state, Pattern::dense, 960.0);
}
void denseFilterPattern (benchmark::State& state)
{
    renderBlocks (state, Pattern::denseFilters, 960.0);
}

} // namespace

BENCHMARK (allStepsEmpty);
BENCHMARK (oneParallelSlot);
BENCHMARK (densePattern);
BENCHMARK (denseFilterPattern);
