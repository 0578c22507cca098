#pragma once

#include "params/ParameterLayout.h"

// The families whose model values are numbers out of a few.
inline bool isQuantisedParameter (int index)
{
    using F = gatevox::ParameterFamily;
    switch (gatevox::decodeParameter (index)->family)
    {
    case F::lfoFrequency:
    case F::lfoDuty:
    case F::lfoPhase:
    case F::effectGain:
    case F::effectMix:
    case F::slotGain:
    case F::slotPan:
    case F::envelopeOn:
    case F::kernelValue:
    case F::envelopeKnob:
    case F::lfoFloor:
        return false;
    default:
        return true;
    }
}
