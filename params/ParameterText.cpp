#include "params/ParameterText.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace gatevox
{

float parameterValue (const ProcessorModel& model, int index) noexcept
{
    if (index < 0 || index >= numAutomationParameters)
        return 0.0f;

    const float v = model.parameterValues[static_cast<std::size_t> (index)];
    return v >= 0.0f && v <= 1.0f ? v : 0.0f;
}

std::string formatParameterValue (float value)
{
    // The general format with a precision is defined as printf's "%.*g" in
    // the C locale, and never consults the global locale.
    std::array<char, 32> text{};
    const auto result = std::to_chars (text.data(), text.data() + text.size(), static_cast<double> (value),
                                       std::chars_format::general, 9);
    return std::string (text.data(), result.ptr);
}

std::string parameterText (const ProcessorModel& model, int index)
{
    return formatParameterValue (parameterValue (model, std::clamp (index, 0, numAutomationParameters - 1)));
}

} // namespace gatevox
