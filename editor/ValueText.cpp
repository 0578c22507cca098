#include "editor/ValueText.h"

namespace gatevox
{
juce::String valueText (float value, std::string_view unit)
{
    const juce::String unitText (unit.data(), unit.size());
    double shown = static_cast<double> (value);
    const char* prefix = " ";
    if (unitText == "%")
        shown = 100.0 * static_cast<double> (value);
    else if (value >= 1000.0f)
    {
        shown = static_cast<double> (value) / 1000.0;
        prefix = "k";
    }
    else if (value <= 0.1f)
    {
        shown = 1000.0 * static_cast<double> (value);
        prefix = "m";
    }
    return juce::String::formatted ("%.2f", shown) + prefix + unitText;
}
} // namespace gatevox
