#include "core/ProcessorModel.h"
#include "engine/StepClock.h"

#include <benchmark/benchmark.h>

using namespace gatevox;

// The step clock's cost per sample: one block start per 512 samples, then the
// head and tail of every sample, with the song running through step changes.
static void stepClockPerSample (benchmark::State& state)
{
    ProcessorModel model ([] (int) { return std::string(); });
    model.prepareToPlay (48000.0);
    model.sequencer.ints.skippingWrite (SequencerState::patternCount, 3);
    StepClock clock (model);

    constexpr int blockSize = 512;
    double ppq = 1.0;
    for (auto _ : state)
    {
        clock.blockStart (HostPosition{120.0, ppq});
        for (int i = 0; i < blockSize; ++i)
        {
            clock.sampleHead();
            clock.sampleTail();
        }
        ppq += blockSize * 120.0 / (60.0 * 48000.0);
        benchmark::DoNotOptimize (model.transport.step.get());
    }
    state.SetItemsProcessed (state.iterations() * blockSize);
}
BENCHMARK (stepClockPerSample);
