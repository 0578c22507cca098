#include "core/ProcessorModel.h"
#include "engine/RenderLoop.h"
#include "kernels/KernelCatalogue.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

// Resident memory, as the growth of this process's VmRSS. Freed memory stays
// resident, so each case runs in a process of its own, for example
// --benchmark_filter=residentMemory/default.

using namespace gatevox;

namespace
{
constexpr int blockSize = 512;
constexpr double sampleRate = 48000.0;

long residentKilobytes()
{
    std::ifstream status ("/proc/self/status");
    for (std::string line; std::getline (status, line);)
        if (line.rfind ("VmRSS:", 0) == 0)
            return std::stol (line.substr (6));
    return 0;
}

double megabytesSince (long kilobytes)
{
    return static_cast<double> (residentKilobytes() - kilobytes) / 1024.0;
}

std::unique_ptr<ProcessorModel> preparedModel (double rate = sampleRate)
{
    auto model = std::make_unique<ProcessorModel> ([] (int) { return std::string(); });
    model->prepareToPlay (rate);
    return model;
}

// Gives slot s of instance m an LFO and an envelope no other slot of any
// instance has: its own duty for the sine, its own shape knob per segment.
void varySlot (ProcessorModel& model, int m, int s)
{
    const int k = m * numSlots + s;
    const double duty = 0.1 + 0.01 * k;
    model.lfo (s).setDuty (duty);
    model.lfo (s).rebuild (0, duty, 0.0, RebuildTiming::now);

    for (int g = 0; g < numEnvelopeSegments; ++g)
        model.envelope (s).knobs.waitingWrite (EnvelopeSettings::knobIndex (g, 1), 0.3f +
                                                                                       0.005f * static_cast<float> (k) +
                                                                                       0.001f * static_cast<float> (g));
    model.rebuildEnvelope (s);
}

// One instance, then fifteen more, at 48 kHz, constructed and prepared, with
// the settings of a fresh instance (0) or every slot's LFO and envelope set
// differently (1).
void residentMemory (benchmark::State& state)
{
    constexpr int instances = 16;
    const bool varied = state.range (0) == 1;
    for (auto _ : state)
    {
        const long before = residentKilobytes();
        std::vector<std::unique_ptr<ProcessorModel>> models;
        for (int m = 0; m < instances; ++m)
        {
            models.push_back (preparedModel());
            for (int s = 0; varied && s < numSlots; ++s)
                varySlot (*models.back(), m, s);
            if (m == 0)
                state.counters["one_MB"] = megabytesSince (before);
        }
        const double sixteen = megabytesSince (before);
        state.counters["sixteen_MB"] = sixteen;
        state.counters["further_MB"] = (sixteen - state.counters["one_MB"]) / (instances - 1);
    }
}

// Every kernel id sounds on every slot for a quarter of a second, so that each
// kernel has touched the memory it renders with.
void playEveryKernel (ProcessorModel& model, double rate)
{
    for (int step = 0; step < numSteps; ++step)
        model.writeStep (0, 0, step, step % numSlots);
    RenderLoop loop (model);

    std::vector<float> left (blockSize, 0.25f), right (blockSize, 0.2f);
    double ppq = 0.25;
    for (int kernel = 0; kernel <= kernelId::silence; ++kernel)
    {
        for (int s = 0; s < numSlots; ++s)
            model.slot (s).ints.waitingWrite (SlotSettings::kernelId, kernel);
        for (int block = 0; block < static_cast<int> (rate / 4.0) / blockSize; ++block)
        {
            loop.process (left.data(), right.data(), blockSize, HostPosition{120.0, ppq});
            ppq += blockSize * 120.0 / (60.0 * rate);
        }
    }
}

// One instance prepared at the given rate after it has played every kernel.
void residentMemoryAfterEveryKernel (benchmark::State& state)
{
    const auto rate = static_cast<double> (state.range (0));
    for (auto _ : state)
    {
        const long before = residentKilobytes();
        const auto model = preparedModel (rate);
        playEveryKernel (*model, rate);
        state.counters["model_MB"] = megabytesSince (before);
    }
}

// Sixteen instances at 48 kHz, each having played every kernel, as a project
// with an instance on sixteen tracks holds them.
void residentMemorySixteenModels (benchmark::State& state)
{
    constexpr int instances = 16;
    for (auto _ : state)
    {
        const long before = residentKilobytes();
        std::vector<std::unique_ptr<ProcessorModel>> models;
        for (int m = 0; m < instances; ++m)
        {
            models.push_back (preparedModel());
            playEveryKernel (*models.back(), sampleRate);
        }
        const auto grownMB = megabytesSince (before);
        state.counters["sixteen_MB"] = grownMB;
        state.counters["per_instance_MB"] = grownMB / instances;
    }
}
} // namespace

BENCHMARK (residentMemory)->ArgName ("varied")->Arg (0)->Arg (1)->Iterations (1)->Unit (benchmark::kMillisecond);
BENCHMARK (residentMemoryAfterEveryKernel)->Arg (48000)->Arg (192000)->Iterations (1)->Unit (benchmark::kMillisecond);
BENCHMARK (residentMemorySixteenModels)->Iterations (1)->Unit (benchmark::kMillisecond);
