#include "engine/TransitionSmoother.h"

#include <algorithm>
#include <cmath>

namespace gatevox
{

float TransitionSmoother::process (float x) noexcept
{
    switch (mode)
    {
    case 2:
        return windowStatistic (x);
    // The one-pole stage's state is cleared on every call, leaving c * x.
    case 3:
        return onePoleCoefficient * x;
    case 4:
        return averageWithPrevious (x);
    case 5:
        return doubleExponential (x);
    case 6:
        return x;
    default:
        return threePointMean (x);
    }
}

float TransitionSmoother::windowStatistic (float x) noexcept
{
    std::shift_left (window.begin(), window.end(), 1);
    window.back() = x;

    float sum = 0.0f;
    for (const float e : window)
        sum += e;
    const float mean = sum * 0.125f;

    // Elements at or above the mean form the upper list, the rest the lower
    // one; only the lists' sizes enter the result.
    int upperCount = 0;
    float deviation = 0.0f;
    for (const float e : window)
    {
        if (e >= mean)
            ++upperCount;
        deviation += std::abs (e - mean);
    }
    const int lowerCount = windowSize - upperCount;

    // Only a mean that is not a number leaves the upper list empty.
    const float meanDeviation = deviation / static_cast<float> (std::max (upperCount, 1));
    return mean + static_cast<float> (upperCount - lowerCount) * meanDeviation * 0.015625f;
}

float TransitionSmoother::averageWithPrevious (float x) noexcept
{
    const float y = (1.0f - a) * output + a * previous;
    previous = x;
    output = y;
    return y;
}

float TransitionSmoother::doubleExponential (float x) noexcept
{
    previous = output;
    output = (output + trend) * (1.0f - a) + a * x;
    trend = (output - previous) * b + (1.0f - b) * trend;
    return output;
}

float TransitionSmoother::threePointMean (float x) noexcept
{
    // The entry at ringIndex takes this sample; the two behind it, wrapping
    // round, hold the last two outputs.
    constexpr std::size_t last = ringLength - 1;
    const auto newest = static_cast<std::size_t> (ringIndex);
    const std::size_t back1 = newest == 0 ? last : newest - 1;
    const std::size_t back2 = back1 == 0 ? last : back1 - 1;
    const float y = (x + ring[back1] + ring[back2]) / 3.0f;
    ring[newest] = y;
    ringIndex = newest == last ? 0 : ringIndex + 1;
    return y;
}

} // namespace gatevox
