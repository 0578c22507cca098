#include "modulation/UserWaveFile.h"

#include <charconv>
#include <cmath>

namespace gatevox
{
namespace
{
bool isBlank (char c) noexcept
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

// The number at the start of a line, in the C library's syntax and the C
// locale: leading blanks, an optional sign, digits, fraction and exponent.
double leadingNumber (std::string_view line) noexcept
{
    std::size_t i = 0;
    while (i < line.size() && isBlank (line[i]))
        ++i;

    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-'))
    {
        negative = line[i] == '-';
        ++i;
    }
    if (i >= line.size() || line[i] == '+' || line[i] == '-')
        return 0.0;

    double v = 0.0;
    const auto [end, error] = std::from_chars (line.data() + i, line.data() + line.size(), v);
    if (error != std::errc() || end == line.data() + i)
        return 0.0;

    const auto single = static_cast<float> (negative ? -v : v);
    return std::isfinite (single) ? static_cast<double> (single) : 0.0;
}
} // namespace

UserWavePoints parseUserWave (std::string_view text) noexcept
{
    UserWavePoints points{};
    std::size_t lineStart = 0;

    for (std::size_t n = 0; n < points.size() && lineStart < text.size(); ++n)
    {
        auto lineEnd = text.find_first_of ("\r\n", lineStart);
        if (lineEnd == std::string_view::npos)
            lineEnd = text.size();

        points[n] = leadingNumber (text.substr (lineStart, lineEnd - lineStart));

        lineStart = lineEnd;
        if (lineStart < text.size() && text[lineStart] == '\r')
            ++lineStart;
        if (lineStart < text.size() && text[lineStart] == '\n')
            ++lineStart;
    }
    return points;
}

} // namespace gatevox
