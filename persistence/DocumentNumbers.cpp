#include "persistence/DocumentNumbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace gatevox
{
namespace
{
[[nodiscard]] bool isBlank (char c) noexcept
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

[[nodiscard]] std::string_view withoutLeadingBlanks (std::string_view text) noexcept
{
    std::size_t i = 0;
    while (i < text.size() && isBlank (text[i]))
        ++i;
    return text.substr (i);
}

// from_chars leaves the value alone when the number does not fit: decide
// between zero and infinity from the sign of the exponent it parsed.
[[nodiscard]] double outOfRangeValue (std::string_view parsed) noexcept
{
    const bool negative = !parsed.empty() && parsed.front() == '-';
    const auto e = parsed.find_first_of ("eE");
    const bool tiny = e != std::string_view::npos && e + 1 < parsed.size() && parsed[e + 1] == '-';
    const double magnitude = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    return negative ? -magnitude : magnitude;
}
} // namespace

std::string formatDocumentNumber (double value)
{
    // The general format with a precision is printf's "%.*g" in the C locale
    // and never consults the global locale.
    std::array<char, 40> text{};
    const auto result = std::to_chars (text.data(), text.data() + text.size(), value, std::chars_format::general, 9);
    return std::string (text.data(), result.ptr);
}

std::string formatDocumentNumber (float value)
{
    return formatDocumentNumber (static_cast<double> (value));
}

std::string formatDocumentInteger (std::int64_t value)
{
    std::array<char, 24> text{};
    const auto result = std::to_chars (text.data(), text.data() + text.size(), value);
    return std::string (text.data(), result.ptr);
}

double readLeadingNumber (std::string_view text) noexcept
{
    text = withoutLeadingBlanks (text);

    // from_chars takes a minus sign but no plus sign.
    if (!text.empty() && text.front() == '+' && (text.size() < 2 || text[1] != '-'))
        text.remove_prefix (1);

    double value = 0.0;
    const auto result = std::from_chars (text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
        return outOfRangeValue (text.substr (0, static_cast<std::size_t> (result.ptr - text.data())));
    if (result.ec != std::errc())
        return 0.0;
    return value;
}

std::int32_t readLeadingInteger (std::string_view text) noexcept
{
    text = withoutLeadingBlanks (text);

    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';

    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        magnitude = std::min (limit, magnitude * 10 + (text[i] - '0'));

    const std::int64_t value = negative ? -magnitude : std::min (magnitude, limit - 1);
    return static_cast<std::int32_t> (value);
}

float narrowToFloat (double value) noexcept
{
    constexpr auto highest = static_cast<double> (std::numeric_limits<float>::max());
    if (value > highest)
        return std::numeric_limits<float>::infinity();
    if (value < -highest)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float> (value);
}

} // namespace gatevox
