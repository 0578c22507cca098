#pragma once

#include "core/EnvelopeSettings.h"
#include "core/GlobalOptions.h"
#include "core/KernelParamStore.h"
#include "core/ProcessorFields.h"
#include "core/RebuildTiming.h"
#include "core/SequencerState.h"
#include "core/SlotSettings.h"
#include "core/StepStore.h"
#include "engine/RouteMixer.h"
#include "engine/TransitionSmoother.h"
#include "kernels/KernelBanks.h"
#include "modulation/EnvelopeGenerator.h"
#include "modulation/LfoWaveTable.h"
#include "modulation/RenderEpoch.h"
#include "modulation/UserWaveStore.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace gatevox
{

// Every record the render loop, the parameters, the files and the editor share,
// with the construction, reset and prepare-to-play routines. Plain C++: the
// plug-in processor owns one and adapts it to the host.
class ProcessorModel
{
public:
    // Returns the text of user waveform file k (1-8), or an empty string when
    // the file cannot be read.
    using UserWaveSource = std::function<std::string (int k)>;

    explicit ProcessorModel (const UserWaveSource& userWaveText);

    // Puts the model back to the blank state: every step empty, every slot at
    // its reset values.
    void reset() noexcept;

    void prepareToPlay (double sampleRate) noexcept;

    [[nodiscard]] SlotSettings& slot (int s) noexcept { return *slotSettings[checkedSlot (s)]; }
    [[nodiscard]] KernelParamStore& kernelParams (int s) noexcept { return *kernelParamStores[checkedSlot (s)]; }
    [[nodiscard]] EnvelopeSettings& envelope (int s) noexcept { return *envelopeSettings[checkedSlot (s)]; }
    [[nodiscard]] EnvelopeGenerator& envelopeGenerator (int s) noexcept { return *envelopeGenerators[checkedSlot (s)]; }
    [[nodiscard]] KernelBanks& kernelBanks() noexcept { return *banks; }
    [[nodiscard]] LfoWaveTable& lfo (int s) noexcept
    {
        return *lfoTables[static_cast<std::size_t> (std::clamp (s, 0, numSlots - 1))];
    }

    // Route type of slot s (0 parallel, 1-3 series chain A-C) into its
    // settings and both route mixers.
    void setRouteType (int s, int routeType) noexcept;

    // Writes one step into both grids: the render loop's copy first, so that the
    // audio thread plays it even when the guarded write is skipped.
    void writeStep (int pattern, int layer, int step, std::int32_t value) noexcept;

    // The pattern speed (0 "1/2", 1 "1/4", 2 "1/8") and the step clock's timing
    // pair, which follows even when the sequencer write is skipped.
    void setPatternSpeed (std::int32_t speed) noexcept;

    // Rebuilds every segment of slot s's envelope from its knobs.
    void rebuildEnvelope (int s) noexcept;

    // Rebuilds segment g (0-3) of slot s's envelope from its knobs, now or
    // when the pending rebuilds are next applied.
    void rebuildEnvelopeSegment (int s, int g, RebuildTiming timing) noexcept;

    // Runs every LFO table and envelope segment rebuild requested so far on
    // the calling thread (a control thread), or waits for those another
    // thread took up, so that every requested table is published on return;
    // lets go of the tables they replaced once no block can read them.
    // Returns whether it ran any rebuild itself.
    bool applyPendingRebuilds() noexcept;

    // Points per envelope segment of the processor's generators.
    static constexpr std::int32_t envelopePoints = 96000;

    // Step 1-16 to envelope segment 0-3.
    [[nodiscard]] static constexpr int segmentOfStep (int step) noexcept
    {
        return step < 1 ? 0 : (step > numSteps ? numEnvelopeSegments - 1 : (step - 1) / 4);
    }

    SequencerState sequencer;
    StepStore steps;
    StepMirror stepMirror;
    GlobalOptions globalOptions;
    UserWaveStore userWaves;

    std::array<RouteMixer, 2> routeMixers; // left, right
    std::array<TransitionSmoother, 2> smoothers;

    // The render loop's blocks, which tell the tables when a replaced one is free.
    RenderEpoch renderEpoch;

    TransportFields transport;
    RenderFields render;
    std::array<RelaxedAtomic<float>, numAutomationParameters> parameterValues{};

    // One bit per envelope segment waiting for its rebuild, per slot.
    std::array<std::atomic<std::uint32_t>, numSlots> pendingEnvelopeSegments{};
    std::array<std::mutex, numSlots> envelopeRebuildLocks; // control threads only

    std::atomic<int> initialised{0};
    std::atomic<int> reloadInProgress{0};
    std::atomic<int> resyncHold{0};

private:
    static std::size_t checkedSlot (int s) noexcept
    {
        return static_cast<std::size_t> (std::clamp (s, 0, numSlotRecords - 1));
    }

    void applySampleRate (double sampleRate) noexcept;

    std::vector<std::unique_ptr<SlotSettings>> slotSettings;
    std::vector<std::unique_ptr<KernelParamStore>> kernelParamStores;
    std::vector<std::unique_ptr<EnvelopeSettings>> envelopeSettings;
    std::vector<std::unique_ptr<EnvelopeGenerator>> envelopeGenerators;
    std::vector<std::unique_ptr<LfoWaveTable>> lfoTables;
    std::unique_ptr<KernelBanks> banks = std::make_unique<KernelBanks>();
};

} // namespace gatevox
