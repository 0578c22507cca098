#include "engine/RouteMixer.h"

#include <gtest/gtest.h>

using namespace gatevox;

TEST (RouteMixer, FinishWeighsChainsByTheirCountAndAllByParallelPlusOne)
{
    RouteMixer mixer;
    mixer.startSample();
    mixer.addParallel (0.5f, 1.0f, 0.8f);
    mixer.addParallel (0.25f, 1.5f, 1.0f);
    mixer.addSeries (0, 0.4f, 0.5f);
    mixer.addSeries (0, 0.3f, 0.25f); // replaces the chain's value and weight
    mixer.addSeries (2, 0.2f, 1.0f);

    const float parallel = 0.0f + 1.0f * 0.5f * 0.8f + 1.5f * 0.25f * 1.0f;
    const float series = (1.0f * 0.0f + 0.25f * 0.3f + 0.0f) + 1.0f * 0.2f;
    EXPECT_EQ (mixer.finish(), (parallel + series * 0.7071f) * 0.6464f);

    // The counts are cleared by the finish; the chains by the next sample.
    mixer.startSample();
    EXPECT_TRUE (mixer.isFresh (0));
    EXPECT_EQ (mixer.finish(), 0.0f);
}

TEST (RouteMixer, RouteTypesMapOntoTheThreeChains)
{
    RouteMixer mixer;
    const std::pair<int, int> routes[] = {{-1, -1}, {0, -1}, {1, 0}, {2, 1}, {3, 2}, {4, 2}, {1000, 2}};
    for (const auto& [route, group] : routes)
    {
        mixer.setRoute (1, route);
        EXPECT_EQ (mixer.isSeries (1), group >= 0) << route;
        EXPECT_EQ (mixer.seriesGroup (1), group < 0 ? 0 : group) << route;
    }

    mixer.makeAllParallel();
    for (int s = 0; s < numSlots; ++s)
        EXPECT_FALSE (mixer.isSeries (s));
}
