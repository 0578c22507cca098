#include "kernels/CombLine.h"

#include "core/SafeMath.h"
#include "kernels/FilterSections.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace gatevox
{

namespace
{
// Recomputes the delays in samples and the length they need; a longer line
// starts from silence.
void resize (CombLine& line, float fs) noexcept
{
    line.centreSamples = line.centre * fs;
    line.widthSamples = line.width * fs;

    const auto room = static_cast<int> (line.buffer.size());
    const int wanted = std::min (combLengthFor (line.centre, fs), room);
    if (wanted > line.length)
        std::fill_n (line.buffer.begin(), wanted, 0.0f);

    line.length = wanted;
    if (line.w >= line.length)
        line.w = 0;
}

float meanOfEight (const std::array<float, 8>& h, int newest) noexcept
{
    float sum = 0.0f;
    for (int j = 0; j < 8; ++j)
        sum += h[static_cast<std::size_t> ((newest - j) & 7)];
    return sum * 0.125f;
}
} // namespace

int combLengthFor (float centreSeconds, float fs) noexcept
{
    const auto reach = truncTo<std::int64_t> (std::ceil (centreSeconds * fs));
    return static_cast<int> (std::clamp<std::int64_t> (reach, 0, 1 << 28) + 2);
}

void combPrepare (CombLine& line, float fs)
{
    const auto room = static_cast<std::size_t> (combLengthFor (CombLine::kernelCentre, fs));
    if (line.buffer.size() == room)
        return;

    line.buffer = std::vector<float> (room);
    line.length = std::min (line.length, static_cast<int> (room));
    if (line.w >= line.length)
        line.w = 0;
}

float combProcess (CombLine& line, float x, float lfo, float widthSeconds, float centreSeconds, float fs) noexcept
{
    if (!std::isfinite (x))
        return 0.0f;

    if (changedBeyondThreshold (line.rate, fs))
    {
        line.rate = fs;
        line.initialise = true;
        line.width = widthSeconds;
        line.centre = centreSeconds;
    }

    if (!changedBeyondThreshold (line.width, widthSeconds) && !changedBeyondThreshold (line.centre, centreSeconds))
    {
        if (line.pending || line.initialise)
        {
            resize (line, fs);
            line.pending = false;
            line.initialise = false;
        }
    }
    else
    {
        line.width = 0.999f * widthSeconds + 0.001f * line.width;
        line.centre = 0.001f * line.centre + 0.999f * centreSeconds;
        line.pending = true;
    }

    auto* buffer = line.buffer.data();
    buffer[line.w] = x;

    // The farthest tap is length - 1 samples back; a non-number LFO reads the
    // newest samples.
    float d = line.centreSamples - line.widthSamples * lfo;
    const auto farthest = static_cast<float> (line.length - 2);
    if (!(d >= 0.0f))
        d = 0.0f;
    else if (d > farthest)
        d = farthest;

    const auto i = static_cast<int> (d);
    const float fr = d - std::floor (d);
    int p0 = line.w - i;
    if (p0 < 0)
        p0 += line.length;
    const int p1 = p0 > 0 ? p0 - 1 : line.length - 1;

    const float k = 1.0f - fr;
    const float v = k * buffer[p1] + buffer[p0] - k * line.y1;
    line.y1 = v;

    line.newest = (line.newest + 1) & 7;
    line.history[static_cast<std::size_t> (line.newest)] = v;

    if (++line.w >= line.length)
        line.w = 0;

    return meanOfEight (line.history, line.newest);
}

} // namespace gatevox
