#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace gatevox
{

// Numbers as the documents write them: C's "%.9g" in the C locale, whatever
// the process locale. A float is widened to double first, so 0.1f is written
// "0.100000001".
[[nodiscard]] std::string formatDocumentNumber (double value);
[[nodiscard]] std::string formatDocumentNumber (float value);
[[nodiscard]] std::string formatDocumentInteger (std::int64_t value);

// The number at the start of a text, read like C's text-to-double conversion
// in the C locale (leading blanks, optional sign, digits, fraction, exponent,
// "inf", "nan"); 0 when the text does not start with a number. Magnitudes too
// large for a double read as infinity, too small as zero.
[[nodiscard]] double readLeadingNumber (std::string_view text) noexcept;

// The decimal integer at the start of a text (leading blanks, optional sign,
// digits); 0 when there is none. Values outside the 32-bit range saturate.
[[nodiscard]] std::int32_t readLeadingInteger (std::string_view text) noexcept;

// A double narrowed to float without undefined behaviour: magnitudes beyond
// the float range become infinity.
[[nodiscard]] float narrowToFloat (double value) noexcept;

} // namespace gatevox
