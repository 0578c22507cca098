#pragma once

#include "core/ModelSizes.h"

#include <optional>
#include <string>

namespace gatevox
{

// What an automation parameter controls.
enum class ParameterFamily
{
    lfoFrequency,
    lfoDuty,
    kernel,
    lfoWave,
    freqSnap,
    snapInterval,
    lfoPhase,
    lfoContinuous,
    effectGain,
    effectMix,
    step,
    slotGain,
    slotPan,
    routeType,
    layer,
    selectedPattern,
    patternCount,
    patternSpeed,
    envelopeOn,
    snapOn,
    kernelValue,
    kernelSelect,
    envelopeDestination,
    envelopeKnob,
    lfoFloor
};

// The first index of each family. Per-slot families hold one member per
// slot; the slot gains and pans interleave (gain, pan, gain, ...); the kernel
// value and selector families hold four selectors per slot, slot-major; the
// envelope knobs hold twelve per slot, segment fastest, then knob.
namespace parameterIndex
{
inline constexpr int lfoFrequency = 0, lfoDuty = 5, kernel = 10, lfoWave = 15, freqSnap = 20, snapInterval = 25,
                     lfoPhase = 30, lfoContinuous = 35, effectGain = 40, effectMix = 41, step = 42, slotGainPan = 58,
                     routeType = 68, layer = 73, selectedPattern = 74, patternCount = 75, patternSpeed = 76,
                     envelopeOn = 77, snapOn = 82, kernelValue = 87, kernelSelect = 107, envelopeDestination = 127,
                     envelopeKnob = 132, lfoFloor = 192, count = 197;
} // namespace parameterIndex

static_assert (parameterIndex::count == numAutomationParameters);

// Where one index points. Every number counts from 0 (slot 0 is "Fx 1", step 0
// is "Step 1"); a number the family does not use is 0.
struct ParameterAddress
{
    ParameterFamily family = ParameterFamily::lfoFrequency;
    int slot = 0;
    int selector = 0;
    int knob = 0;
    int segment = 0;
    int step = 0;
};

// The address of an index 0-196; nothing for any other index.
[[nodiscard]] std::optional<ParameterAddress> decodeParameter (int index) noexcept;

// The name the host shows; "Param " and index + 1 outside 0-196.
[[nodiscard]] std::string parameterName (int index);

} // namespace gatevox
