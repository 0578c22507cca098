#include "persistence/AttributeReader.h"

#include "core/SafeMath.h"
#include "persistence/DocumentNumbers.h"

#include <cmath>

namespace gatevox
{

AttributeReader::AttributeReader (const juce::XmlElement& element)
{
    // Reading attribute i walks the list from its head; taking the head of a
    // copy and removing it keeps the whole read linear in the element's size.
    juce::XmlElement rest (element);
    values.reserve (static_cast<std::size_t> (element.getNumAttributes()));

    while (rest.getNumAttributes() > 0)
    {
        const auto& name = rest.getAttributeName (0);
        values.try_emplace (name.toStdString(), rest.getAttributeValue (0).toStdString());
        rest.removeAttribute (juce::Identifier (name));
    }
}

const std::string* AttributeReader::find (std::string_view name) const
{
    const auto found = values.find (std::string (name));
    return found == values.end() ? nullptr : &found->second;
}

bool AttributeReader::has (std::string_view name) const
{
    return find (name) != nullptr;
}

std::string_view AttributeReader::text (std::string_view name, std::string_view fallback) const
{
    const auto* value = find (name);
    return value == nullptr ? fallback : std::string_view (*value);
}

double AttributeReader::number (std::string_view name, double fallback) const
{
    const auto* value = find (name);
    if (value == nullptr)
        return fallback;

    const double v = readLeadingNumber (*value);
    return std::isfinite (v) ? v : fallback;
}

float AttributeReader::floatNumber (std::string_view name, float fallback) const
{
    const auto* value = find (name);
    if (value == nullptr)
        return fallback;

    const float v = narrowToFloat (readLeadingNumber (*value));
    return std::isfinite (v) ? v : fallback;
}

std::int32_t AttributeReader::integer (std::string_view name, std::int32_t fallback) const
{
    const auto* value = find (name);
    return value == nullptr ? fallback : readLeadingInteger (*value);
}

std::int32_t AttributeReader::truncatedNumber (std::string_view name, std::int32_t fallback) const
{
    const auto* value = find (name);
    if (value == nullptr)
        return fallback;

    const double v = readLeadingNumber (*value);
    return std::isfinite (v) ? truncToInt (v) : fallback;
}

} // namespace gatevox
