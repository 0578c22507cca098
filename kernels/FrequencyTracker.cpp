#include "kernels/FrequencyTracker.h"

#include <algorithm>
#include <cmath>

namespace gatevox
{

namespace
{
constexpr float twoPi = 6.2831855f;
}

FrequencyTracker::FrequencyTracker()
    : frame (frameSize, 0.0f), window (transformSize), input (transformSize, 0.0f), spectrum (transformSize, 0.0f),
      estimate (frameSize, 0.0f)
{
    for (int j = 0; j < transformSize; ++j)
        window[static_cast<std::size_t> (j)] = 0.56f - 0.46f * std::cos (twoPi * static_cast<float> (j + 1) / 4095.0f);
}

void FrequencyTracker::analyse() noexcept
{
    // The second half of the input stays zero from construction.
    for (std::size_t j = 0; j < frameSize; ++j)
        input[j] = frame[j] * window[j];

    fft.forward (input.data(), spectrum.data());

    float previous = 0.0f;
    for (std::size_t k = 0; k < frameSize; ++k)
    {
        const float phase = std::atan2 (spectrum[frameSize + k], spectrum[k]);
        estimate[k] = static_cast<float> (k + 1) * binHz + (phase - previous);
        previous = phase;
    }

    const auto raise = [this] (float v) noexcept
    {
        mx = std::max (mx, std::fabs (v));
        peak = 1;
    };

    peak = 0;
    for (std::size_t k = 2; k < frameSize; k += 2)
    {
        const float e = estimate[k];
        if (!(e > threshold))
            continue;

        if (peak == 1)
        {
            if (e > estimate[k - 1] || estimate[k + 1] > e)
                peak = 0;
        }
        else
        {
            if (estimate[k - 1] > e)
                raise (estimate[k - 1]);
            if (e > estimate[k + 1])
                raise (e);
        }
    }

    fill = 0;
}

float trackFrequency (FrequencyTracker& t, float x, float fs) noexcept
{
    if (std::isnan (x))
        return 0.0f;

    if (std::fabs (fs - t.rate) >= 0.0000001f)
    {
        t.rate = fs;
        t.binHz = twoPi / (twoPi * 4096.0f / fs);
    }

    t.frame[static_cast<std::size_t> (t.fill)] = x;
    ++t.fill;
    if (t.fill >= FrequencyTracker::frameSize)
        t.analyse();

    t.y = 0.999f * t.mx + 0.001f * t.y;
    return t.y;
}

} // namespace gatevox
