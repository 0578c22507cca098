#include "kernels/ColorNetwork.h"

#include <algorithm>
#include <cmath>

namespace gatevox
{

ColorNetwork::ColorNetwork()
{
    for (std::size_t i = 0; i < stages.size(); ++i)
        stages[i].history.assign (static_cast<std::size_t> (colorShape::stageDelays[i]), 0.0f);
    taps.buffer.assign (static_cast<std::size_t> (ColorTapRing::size), 0.0f);
}

namespace
{
// A sample that is not finite leaves the stage untouched and comes out as 0.
float stageStep (ColorStage& stage, float v) noexcept
{
    if (!std::isfinite (v))
        return 0.0f;

    const auto w = static_cast<std::size_t> (stage.write);
    const float old = stage.history[w];
    stage.history[w] = v;
    stage.write = w + 1 < stage.history.size() ? stage.write + 1 : 0;
    return (1.0f - colorShape::stageGain) * v + colorShape::stageGain * old;
}
} // namespace

float colorTapSum (const std::array<float, 8>& taps) noexcept
{
    std::array<float, 4> lanes{};
    for (std::size_t j = 0; j < 4; ++j)
        lanes[j] = colorShape::tapGains[j] * taps[j] + colorShape::tapGains[j + 4] * taps[j + 4];
    return lanes[0] + lanes[1] + lanes[2] + lanes[3];
}

float colorProcess (ColorNetwork& network, float x, float c) noexcept
{
    float u = x;
    for (auto& stage : network.stages)
        u = stageStep (stage, u);

    auto& ring = network.taps;
    constexpr std::size_t mask = ColorTapRing::size - 1;
    const auto w = static_cast<std::size_t> (ring.write) & mask;
    ring.buffer[w] = u;
    std::array<float, 8> read{};
    for (std::size_t k = 0; k < read.size(); ++k)
        read[k] = ring.buffer[(w + ColorTapRing::size - static_cast<std::size_t> (colorShape::tapDelays[k])) & mask];
    ring.write = static_cast<int> ((w + 1) & mask);

    auto& sums = network.recentSums;
    std::copy_backward (sums.begin(), sums.end() - 1, sums.end());
    sums[0] = colorTapSum (read);
    float total = 0.0f;
    for (const float s : sums)
        total += s;
    const float mean = total * 0.125f;

    const float y = (1.0f - c) * x + c * mean;
    return std::isfinite (y) ? y : 0.0f;
}

} // namespace gatevox
