#include "core/ProcessorModel.h"
#include "params/ParameterApplier.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace gatevox;

// What 1,000 random parameter changes cost the thread that makes them: with
// the LFO table and envelope rebuilds done inside each call, and with them
// deferred to the rebuild worker (applied here once, after the burst, outside
// the timing).
static void thousandRandomChanges (benchmark::State& state)
{
    const auto timing = state.range (0) == 0 ? RebuildTiming::now : RebuildTiming::deferred;
    ProcessorModel model ([] (int) { return std::string(); });
    model.prepareToPlay (48000.0);
    std::mt19937 random (7);
    std::uniform_int_distribution<int> parameter (0, numAutomationParameters - 1);
    std::uniform_real_distribution<float> value (0.0f, 1.0f);

    for (auto _ : state)
    {
        for (int i = 0; i < 1000; ++i)
            setParameter (model, parameter (random), value (random), timing);
        state.PauseTiming();
        model.applyPendingRebuilds();
        state.ResumeTiming();
    }
}
BENCHMARK (thousandRandomChanges)->Arg (0)->Arg (1)->ArgName ("deferred")->Unit (benchmark::kMillisecond);

// One LFO wave change on the audio thread: the rebuild the old road ran there
// against the request it makes now (requests that nobody applies coalesce).
static void waveChange (benchmark::State& state)
{
    const auto timing = state.range (0) == 0 ? RebuildTiming::now : RebuildTiming::deferred;
    ProcessorModel model ([] (int) { return std::string(); });
    model.prepareToPlay (48000.0);
    const int lfoWave1 = 15;
    int n = 0;
    for (auto _ : state)
    {
        setParameter (model, lfoWave1, static_cast<float> (n++ % 7) / 14.0f, timing);
    }
}
BENCHMARK (waveChange)->Arg (0)->Arg (1)->ArgName ("deferred")->Unit (benchmark::kMicrosecond);
