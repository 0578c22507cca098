#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace gatevox
{

// The attributes of one document element, looked up by exact (case-sensitive)
// name; when a name occurs twice the first one counts. Every read takes a
// default for an absent attribute. Numbers are read from the start of the text
// (see readLeadingNumber), and a number that is not finite in the field's type
// counts as absent, so no NaN or infinity from a file reaches the model.
class AttributeReader
{
public:
    explicit AttributeReader (const juce::XmlElement& element);

    [[nodiscard]] bool has (std::string_view name) const;
    [[nodiscard]] std::string_view text (std::string_view name, std::string_view fallback = {}) const;

    [[nodiscard]] double number (std::string_view name, double fallback) const;
    [[nodiscard]] float floatNumber (std::string_view name, float fallback) const;
    [[nodiscard]] std::int32_t integer (std::string_view name, std::int32_t fallback) const;

    // A value read as a number and truncated toward zero (saturating).
    [[nodiscard]] std::int32_t truncatedNumber (std::string_view name, std::int32_t fallback) const;

private:
    [[nodiscard]] const std::string* find (std::string_view name) const;

    std::unordered_map<std::string, std::string> values;
};

} // namespace gatevox
