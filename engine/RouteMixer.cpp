#include "engine/RouteMixer.h"

#include <cmath>

namespace gatevox
{

void RouteMixer::setRoute (int s, int routeType) noexcept
{
    const auto i = index (s);
    if (routeType <= 0)
    {
        seriesFlag[i] = 0;
        seriesGroupOfSlot[i] = 0;
        return;
    }

    seriesFlag[i] = 1;
    seriesGroupOfSlot[i] = static_cast<std::int32_t> (groupIndex (routeType - 1));
}

void RouteMixer::makeAllParallel() noexcept
{
    for (int s = 0; s < numSlots; ++s)
        setRoute (s, 0);
}

void RouteMixer::startSample() noexcept
{
    parallelCount = 0;
    seriesCount = 0;
    parallelSum = 0.0f;
    groupValues = {};
    groupWeights = {1.0f, 1.0f, 1.0f};
    groupFresh = {1, 1, 1};
}

void RouteMixer::addParallel (float value, float weight, float layerGain) noexcept
{
    parallelCount += 1;
    parallelSum += weight * value * layerGain;
}

void RouteMixer::addSeries (int group, float value, float layerGain) noexcept
{
    const auto g = groupIndex (group);
    groupWeights[g] = layerGain;
    groupValues[g] = value;
    seriesCount += groupFresh[g];
    groupFresh[g] = 0;
}

float RouteMixer::finish() noexcept
{
    float series = 0.0f;
    for (std::size_t g = 0; g < numGroups; ++g)
        series += groupWeights[g] * groupValues[g];

    // At most five slots and one bypass reach a mixer, so the counts stay
    // inside the table; the clamp only guards it.
    const auto gainOf = [] (int count)
    { return gainByCount[static_cast<std::size_t> (count < 0 ? 0 : (count > 7 ? 7 : count))]; };

    if (seriesCount != 0)
        series *= gainOf (seriesCount);

    float out = parallelSum + series;
    if (parallelCount != 0)
        out *= gainOf (parallelCount + (seriesCount > 0 ? 1 : 0));

    parallelCount = 0;
    seriesCount = 0;
    // A slot whose state ran away can overflow the mix; the smoothers that
    // follow would keep an infinity in their rings for good.
    return std::isfinite (out) ? out : 0.0f;
}

} // namespace gatevox
