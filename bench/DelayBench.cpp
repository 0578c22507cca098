#include "core/ProcessorModel.h"
#include "kernels/KernelCatalogue.h"
#include "kernels/KernelDispatch.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

using namespace gatevox;

namespace
{
namespace p = kernelParam;
using Defaults = std::vector<std::pair<std::size_t, float>>;

struct DelayKernelCase
{
    int id;
    Defaults defaults; // the catalogue's default values of the kernel
};

const std::vector<DelayKernelCase> cases{
    {kernelId::lpfComb, {{p::fc, 10000.0f}, {p::fmin, 0.2f}, {p::q, 1.414f}, {p::mix, 1.0f}}},
    {kernelId::lpfDoubler,
     {{p::fc, 7000.0f}, {p::fmin, 0.1f}, {p::delay1, 0.01f}, {p::feedback, 0.7f}, {p::mix, 1.0f}}},
    {kernelId::lpfSlapback,
     {{p::fc, 7000.0f}, {p::fmin, 0.1f}, {p::delay1, 0.01f}, {p::feedback, 0.9f}, {p::mix, 0.9f}}},
    {kernelId::hpfComb, {{p::fc, 2000.0f}, {p::fmin, 0.1f}, {p::q, 0.777f}, {p::mix, 1.0f}}},
    {kernelId::hpfDoubler,
     {{p::fc, 5000.0f}, {p::fmin, 0.1f}, {p::delay1, 0.01f}, {p::feedback, 0.7f}, {p::mix, 0.6f}}},
    {kernelId::hpfSlapback,
     {{p::fc, 3000.0f}, {p::fmin, 0.111f}, {p::delay1, 0.01f}, {p::feedback, 0.93f}, {p::mix, 0.9f}}},
    {kernelId::delayMod, {{p::width, 0.1f}, {p::delay1, 0.1f}, {p::feedback, 0.3f}, {p::mix, 0.4f}}},
    {kernelId::vibrato, {{p::delay1, 0.015f}, {p::width, 1.0f}, {p::feedback, 1.0f}, {p::mix, 0.5f}}},
    {kernelId::slapback, {{p::width, 0.4f}, {p::delay1, 0.013f}, {p::feedback, 0.9f}, {p::mix, 0.4f}}},
};

// One stereo sample through the dispatch per iteration (the time column is
// nanoseconds per stereo sample), on a two-tone input with the LFO sweeping
// at 2 Hz, so the tap moves every sample.
void runKernel (benchmark::State& state, const DelayKernelCase& kernel)
{
    constexpr int slot = 1, period = 24000;
    ProcessorModel model ([] (int) { return std::string(); });
    model.prepareToPlay (48000.0);
    for (const auto& [k, v] : kernel.defaults)
        model.kernelParams (slot).value.waitingWrite (k, v);

    std::vector<float> left (period), right (period), lfo (period);
    for (std::size_t i = 0; i < left.size(); ++i)
    {
        const auto t = static_cast<float> (i);
        left[i] = 0.3f * std::sin (0.031f * t) + 0.1f * std::sin (0.9f * t);
        right[i] = 0.3f * std::cos (0.017f * t);
        lfo[i] = 0.5f + 0.5f * std::sin (6.2831855f * t / static_cast<float> (period));
    }

    const KernelContext context{model.kernelParams (slot), model.kernelBanks(), 48000.0f, slot};
    float outLeft = 0.0f, outRight = 0.0f;
    std::size_t i = 0;
    for (auto _ : state)
    {
        dispatchKernel (context, kernel.id, {left[i], right[i]}, lfo[i], {outLeft, outRight});
        benchmark::DoNotOptimize (outLeft);
        benchmark::DoNotOptimize (outRight);
        i = i + 1 == left.size() ? 0 : i + 1;
    }
    state.SetItemsProcessed (state.iterations());
}

const bool registered = []
{
    for (const auto& kernel : cases)
        benchmark::RegisterBenchmark (("delayKernel/" + std::string (kernelNameOfId (kernel.id))).c_str(),
                                      [&kernel] (benchmark::State& state) { runKernel (state, kernel); });
    return true;
}();
} // namespace
