#include "params/ParameterLayout.h"

#include <array>
#include <cstdint>

namespace gatevox
{
namespace
{
struct FamilyRange
{
    int first;
    int count;
    ParameterFamily family;
};

using F = ParameterFamily;
namespace ix = parameterIndex;

// In index order. The interleaved slot gains and pans form one range, listed
// under the gain.
constexpr std::array<FamilyRange, 24> ranges{{
    {ix::lfoFrequency, numSlots, F::lfoFrequency},
    {ix::lfoDuty, numSlots, F::lfoDuty},
    {ix::kernel, numSlots, F::kernel},
    {ix::lfoWave, numSlots, F::lfoWave},
    {ix::freqSnap, numSlots, F::freqSnap},
    {ix::snapInterval, numSlots, F::snapInterval},
    {ix::lfoPhase, numSlots, F::lfoPhase},
    {ix::lfoContinuous, numSlots, F::lfoContinuous},
    {ix::effectGain, 1, F::effectGain},
    {ix::effectMix, 1, F::effectMix},
    {ix::step, numSteps, F::step},
    {ix::slotGainPan, 2 * numSlots, F::slotGain},
    {ix::routeType, numSlots, F::routeType},
    {ix::layer, 1, F::layer},
    {ix::selectedPattern, 1, F::selectedPattern},
    {ix::patternCount, 1, F::patternCount},
    {ix::patternSpeed, 1, F::patternSpeed},
    {ix::envelopeOn, numSlots, F::envelopeOn},
    {ix::snapOn, numSlots, F::snapOn},
    {ix::kernelValue, numSlots * 4, F::kernelValue},
    {ix::kernelSelect, numSlots * 4, F::kernelSelect},
    {ix::envelopeDestination, numSlots, F::envelopeDestination},
    {ix::envelopeKnob, numSlots* numEnvelopeSegments* knobsPerSegment, F::envelopeKnob},
    {ix::lfoFloor, numSlots, F::lfoFloor},
}};

constexpr bool rangesTileTheLayout()
{
    int next = 0;
    for (const auto& range : ranges)
    {
        if (range.first != next)
            return false;
        next += range.count;
    }
    return next == ix::count;
}

static_assert (rangesTileTheLayout());

ParameterAddress addressIn (const FamilyRange& range, int offset) noexcept
{
    ParameterAddress a;
    a.family = range.family;
    switch (range.family)
    {
    case F::step:
        a.step = offset;
        break;
    case F::slotGain:
        a.family = offset % 2 == 0 ? F::slotGain : F::slotPan;
        a.slot = offset / 2;
        break;
    case F::kernelValue:
    case F::kernelSelect:
        a.slot = offset / 4;
        a.selector = offset % 4;
        break;
    case F::envelopeKnob:
        a.slot = offset / (numEnvelopeSegments * knobsPerSegment);
        a.knob = offset % (numEnvelopeSegments * knobsPerSegment) / numEnvelopeSegments;
        a.segment = offset % numEnvelopeSegments;
        break;
    default:
        a.slot = offset; // 0 for the single parameters
        break;
    }
    return a;
}
} // namespace

std::optional<ParameterAddress> decodeParameter (int index) noexcept
{
    if (index < 0 || index >= ix::count)
        return std::nullopt;

    for (const auto& range : ranges)
    {
        const int offset = index - range.first;
        if (offset >= 0 && offset < range.count)
            return addressIn (range, offset);
    }
    return std::nullopt;
}

std::string parameterName (int index)
{
    const auto address = decodeParameter (index);
    if (!address)
        return "Param " + std::to_string (std::int64_t{index} + 1);

    const auto n = std::to_string (address->slot + 1);
    switch (address->family)
    {
    case F::lfoFrequency:
        return "LFO Freq " + n;
    case F::lfoDuty:
        return "LFO Duty Cycle " + n;
    case F::kernel:
        return "LFO Destination " + n;
    case F::lfoWave:
        return "LFO Wave " + n;
    case F::freqSnap:
        return "LFO Freq Snap " + n;
    case F::snapInterval:
        return "LFO Snap Interval " + n;
    case F::lfoPhase:
        return "LFO Phase " + n;
    case F::lfoContinuous:
        return "LFO Continous " + n;
    case F::effectGain:
        return "Effect Gain";
    case F::effectMix:
        return "Effect Mix";
    case F::step:
        return "Step " + std::to_string (address->step + 1);
    case F::slotGain:
        return "Effect" + n + " Gain";
    case F::slotPan:
        return "Effect" + n + " Pan";
    case F::routeType:
        return "Route Type " + n;
    case F::layer:
        return "layerParam";
    case F::selectedPattern:
        return "Selected Pattern";
    case F::patternCount:
        return "Num of Patterns";
    case F::patternSpeed:
        return "Pattern Speed";
    case F::envelopeOn:
        return "Envelope" + n + " On";
    case F::snapOn:
        return "LFO Snap On " + n;
    case F::kernelValue:
        return "Effect" + n + " Param" + std::to_string (address->selector + 1) + " Val";
    case F::kernelSelect:
        return "Effect" + n + " Param" + std::to_string (address->selector + 1) + " Select";
    case F::envelopeDestination:
        return "Envelope" + n + " Destination";
    case F::envelopeKnob:
        return "Envelope" + n + " Knob" + std::to_string (address->knob + 1) + " Seg" +
               std::to_string (address->segment + 1);
    case F::lfoFloor:
        return "LFO Floor " + n;
    }
    return {};
}

} // namespace gatevox
