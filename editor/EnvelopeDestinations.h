#pragma once

#include <juce_core/juce_core.h>

namespace gatevox
{
// The envelope's destinations as both envelope boxes list them: item id d + 1
// for destination d.
inline const juce::StringArray envelopeDestinationNames{"Gain", "Freq", "Pan", "Param1", "Param2", "Param3", "Param4"};

// The automation value a box's item id sends.
[[nodiscard]] inline float envelopeDestinationValue (int itemId)
{
    return static_cast<float> (itemId) / static_cast<float> (envelopeDestinationNames.size());
}
} // namespace gatevox
