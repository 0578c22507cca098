#pragma once

#include "EnvelopeSettings.h"
#include "GlobalOptions.h"
#include "KernelParamStore.h"
#include "ProcessorFields.h"
#include "SequencerState.h"
#include "SineTable.h"
#include "SlotSettings.h"
#include "StepStore.h"
#include "../modulation/UserWaveStore.h"

#include <algorithm>
#include <functional>
#include <memory>
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
    const SineTable& sineTable;

    TransportFields transport;
    RenderFields render;
    std::array<RelaxedAtomic<float>, numAutomationParameters> parameterValues {};

    std::atomic<int> initialised { 0 };
    std::atomic<int> reloadInProgress { 0 };
    std::atomic<int> resyncHold { 0 };

private:
    static std::size_t checkedSlot (int s) noexcept
    {
        return static_cast<std::size_t> (std::clamp (s, 0, numSlotRecords - 1));
    }

    void applySampleRate (double sampleRate) noexcept;

    std::vector<std::unique_ptr<SlotSettings>> slotSettings;
    std::vector<std::unique_ptr<KernelParamStore>> kernelParamStores;
    std::vector<std::unique_ptr<EnvelopeSettings>> envelopeSettings;
};

} // namespace gatevox
