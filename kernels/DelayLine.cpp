#include "kernels/DelayLine.h"

#include "core/SafeMath.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace gatevox
{

namespace
{
constexpr int quietRun = 20000;

// The input gain ramps up by 0.001 per sounding sample and, after a long
// quiet run, back down towards (never to) zero.
void followInput (DelayLine& line, float x) noexcept
{
    if (std::abs (x) > 1.0e-7f)
    {
        line.g = std::min (line.g + 0.001f, 1.0f);
        line.quiet = 0;
        return;
    }

    if (line.quiet < std::numeric_limits<int>::max())
        ++line.quiet;
    if (line.quiet >= quietRun)
        line.g = std::max (line.g - 0.001f, 1.0e-7f);
}

// Feedback beyond unity (or not a number) would only run the line into
// infinities that no later setting could clear.
float boundedFeedback (float feedback) noexcept
{
    if (!(feedback == feedback))
        return 0.0f;
    return std::clamp (feedback, -1.0f, 1.0f);
}

// How far back (0 ... length - 1) a tap of i samples reads, the buffer being
// circular.
int ageOf (std::int64_t i, int length) noexcept
{
    if (i >= 0 && i < length)
        return static_cast<int> (i);
    const auto r = i % length;
    return static_cast<int> (r < 0 ? r + length : r);
}

// The sample written age samples ago; silence when none has been written
// there since the last resize, or when it is older than the storage holds.
float sampleAt (const DelayLine& line, int age) noexcept
{
    if (age >= line.written)
        return 0.0f;
    const int p = line.w - age;
    return line.buffer[static_cast<std::size_t> (p < 0 ? p + line.length : p)];
}

float meanOfNewest (const std::array<float, 8>& h, int newest, int count) noexcept
{
    float sum = 0.0f;
    for (int j = 0; j < count; ++j)
        sum += h[static_cast<std::size_t> ((newest - j) & 7)];
    return sum / static_cast<float> (count);
}
} // namespace

int lineCapacityFor (double fs) noexcept
{
    const double samples = std::ceil (DelayLine::longestSeconds * fs);
    return samples >= 1.0 ? truncToInt (samples) : 1;
}

void linePrepare (DelayLine& line, double fs)
{
    const auto room = static_cast<std::size_t> (lineCapacityFor (fs));
    if (line.buffer.size() == room)
        return;

    line.buffer = std::vector<float> (room);
    lineResize (line, line.period);
}

void lineResize (DelayLine& line, int n) noexcept
{
    if (n < 1)
        return;

    line.period = n;
    line.length = std::min (n, static_cast<int> (line.buffer.size()));
    line.written = 0;
    if (line.w >= line.length)
        line.w = line.length - 1;
}

float lineProcess (DelayLine& line, float x, float delay, float feedback, bool slapback) noexcept
{
    if (!std::isfinite (x))
        return 0.0f;

    followInput (line, x);

    // The old content at w was written one period ago; a line longer than its
    // storage never holds that sample, so its feedback reads silence.
    auto& slot = line.buffer[static_cast<std::size_t> (line.w)];
    const float old = line.written >= line.period ? slot : 0.0f;
    slot = old * boundedFeedback (feedback) + line.g * x;
    if (line.written < line.length)
        ++line.written;

    float fr = delay - std::floor (delay);
    if (!(fr == fr))
        fr = 0.0f;
    const int age0 = ageOf (truncTo<std::int64_t> (delay), line.period);
    const int age1 = age0 + 1 < line.period ? age0 + 1 : 0;

    const float k = 1.0f - fr;
    const float v = k * sampleAt (line, age0) + sampleAt (line, age1) - k * line.y1;
    line.y1 = v;

    float y;
    if (slapback)
    {
        line.smoothed = 0.5f * line.smoothed + 0.5f * line.previousInput;
        line.previousInput = v;
        line.newest = (line.newest + 1) & 7;
        line.history[static_cast<std::size_t> (line.newest)] = line.smoothed;
        y = meanOfNewest (line.history, line.newest, 4);
    }
    else
    {
        line.newest = (line.newest + 1) & 7;
        line.history[static_cast<std::size_t> (line.newest)] = v;
        y = meanOfNewest (line.history, line.newest, 8);
    }

    if (++line.w >= line.length)
        line.w = 0;
    return y;
}

} // namespace gatevox
