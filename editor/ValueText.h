#pragma once

#include <juce_core/juce_core.h>

#include <string_view>

namespace gatevox
{
// A kernel parameter's value with its unit as the kernel panel shows it:
// "%" values as percent ("75.00 %"), others with a "k" or "m" prefix when
// large or small ("2.50kHz", "50.00ms", "440.00 Hz").
[[nodiscard]] juce::String valueText (float value, std::string_view unit);
} // namespace gatevox
