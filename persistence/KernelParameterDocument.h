#pragma once

#include <juce_core/juce_core.h>

namespace gatevox
{

// The embedded JSON document of kernel defaults and ranges: one member per
// kernel key, each an object whose members are parameter names holding
// "Units", "Value", "Max" and "Min". It is stored in 32-bit characters; this
// returns the 8-bit text made of the low byte of each character.
[[nodiscard]] juce::String kernelParameterDocumentText();

} // namespace gatevox
