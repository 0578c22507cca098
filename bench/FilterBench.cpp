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

struct FilterKernelCase
{
    int id;
    Defaults defaults; // the catalogue's default values of the kernel
};

const std::vector<FilterKernelCase> cases{
    {kernelId::lpf12dB, {{p::fc, 3000.0f}, {p::fmin, 0.1f}, {p::q, 1.414f}, {p::mix, 1.0f}}},
    {kernelId::lpf24dB, {{p::fc, 12000.0f}, {p::fmin, 0.1f}, {p::q, 1.414f}, {p::mix, 1.0f}}},
    {kernelId::lpfSvf1, {{p::fc, 7000.0f}, {p::fmin, 0.1f}, {p::q, 0.83f}, {p::mix, 1.0f}}},
    {kernelId::lpfFuzz, {{p::fc, 3400.0f}, {p::fmin, 0.1f}, {p::q, 1.0f}, {p::drive, 0.3f}, {p::mix, 1.0f}}},
    {kernelId::lpfGrunge, {{p::fc, 7000.0f}, {p::fmin, 0.1f}, {p::q, 0.7071f}, {p::drive, 0.52f}, {p::mix, 1.0f}}},
    {kernelId::hpfSvf1, {{p::fc, 5000.0f}, {p::fmin, 0.667f}, {p::res, 0.777f}, {p::mix, 1.0f}}},
    {kernelId::hpfFuzz, {{p::fc, 5000.0f}, {p::fmin, 0.1f}, {p::res, 0.777f}, {p::drive, 0.2f}, {p::mix, 1.0f}}},
    {kernelId::hpfGrunge, {{p::fc, 5000.0f}, {p::fmin, 0.1f}, {p::res, 0.777f}, {p::drive, 0.2f}, {p::mix, 0.7f}}},
    {kernelId::hpf12dB, {{p::fc, 2000.0f}, {p::fmin, 0.1f}, {p::q, 0.777f}, {p::mix, 1.0f}, {p::drive, 0.999f}}},
    {kernelId::hpf24dB, {{p::fc, 2000.0f}, {p::fmin, 0.1f}, {p::q, 0.777f}, {p::mix, 1.0f}, {p::drive, 0.999f}}},
    {kernelId::notch, {{p::fc, 6000.0f}, {p::fmin, 0.2f}, {p::mix, 1.0f}}},
    {kernelId::peakSvf, {{p::fc, 10000.0f}, {p::q, 0.36f}, {p::mix, 0.7f}}},
    {kernelId::peakBiquad, {{p::fc, 1120.0f}, {p::fmin, 0.2795f}, {p::gain, 6.0f}, {p::mix, 1.0f}}},
    {kernelId::bpfSvf1, {{p::fc, 2600.0f}, {p::q, 0.17f}, {p::bw, 4000.0f}, {p::mix, 0.6f}}},
    {kernelId::bpfExcited, {{p::fc, 2600.0f}, {p::q, 0.17f}, {p::bw, 4000.0f}, {p::mix, 1.0f}}},
    {kernelId::bpfGrunge, {{p::fc, 2600.0f}, {p::q, 0.17f}, {p::bw, 4000.0f}, {p::drive, 0.2f}, {p::mix, 0.7f}}},
    {kernelId::bpfThin, {{p::fc, 2000.0f}, {p::bw, 500.0f}, {p::q, 3.0f}, {p::mix, 0.9071f}}},
    {kernelId::resonator, {{p::freq1, 8800.0f}, {p::freq2, 2200.0f}, {p::q, 0.9f}, {p::mix, 1.0f}}},
    {kernelId::distort, {{p::drive, 0.5f}, {p::mix, 0.7f}}},
    {kernelId::distort2, {{p::drive, 0.5f}}},
    {kernelId::distort3, {{p::drive, 0.5f}, {p::mix, 0.7f}}},
};

// One stereo sample through the dispatch per item, on a two-tone input with
// the LFO sweeping at 2 Hz, so the designs see a new cutoff every sample.
void runKernel (benchmark::State& state, const FilterKernelCase& kernel)
{
    constexpr int slot = 2, period = 24000;
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
    state.counters["ns_per_sample"] =
        benchmark::Counter (static_cast<double> (state.iterations()),
                            benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}

const bool registered = []
{
    for (const auto& kernel : cases)
        benchmark::RegisterBenchmark (("filterKernel/" + std::string (kernelNameOfId (kernel.id))).c_str(),
                                      [&kernel] (benchmark::State& state) { runKernel (state, kernel); });
    return true;
}();
} // namespace
