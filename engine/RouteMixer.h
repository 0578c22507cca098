#pragma once

#include "core/ModelSizes.h"
#include "core/RelaxedAtomic.h"

#include <array>
#include <cstdint>

namespace gatevox
{

// Combines one channel's slot outputs of a sample: parallel slots into one
// weighted sum, series slots into up to three chains (A, B, C).
//
// The per-slot routing is written by the parameter and state threads and read
// by the audio thread; everything else is the audio thread's scratch.
class RouteMixer
{
public:
    static constexpr int numGroups = 3;

    // Route type 0 is parallel, 1-3 series chain A-C. A type below 0 counts as
    // parallel and one above 3 as chain C, so no type can reach outside the
    // three chains.
    void setRoute (int s, int routeType) noexcept;
    void makeAllParallel() noexcept;

    [[nodiscard]] bool isSeries (int s) const noexcept { return seriesFlag[index (s)] == 1; }
    [[nodiscard]] int seriesGroup (int s) const noexcept { return seriesGroupOfSlot[index (s)]; }

    // Per sample, before the layers.
    void startSample() noexcept;

    [[nodiscard]] bool isFresh (int group) const noexcept { return groupFresh[groupIndex (group)] == 1; }
    [[nodiscard]] float groupValue (int group) const noexcept { return groupValues[groupIndex (group)]; }

    // A parallel slot's contribution: weight 1 + transitionFlag x (1 - gain).
    void addParallel (float value, float weight, float layerGain) noexcept;
    // A series slot's output replaces the chain's running value.
    void addSeries (int group, float value, float layerGain) noexcept;

    // The sample's mix, 0 when it overflowed; clears the counts.
    [[nodiscard]] float finish() noexcept;

    // 0, 1, 0.7071, 0.6464, 0.4142, 0.3535, 0.25, 0 for 0-7 contributions.
    static constexpr std::array<float, 8> gainByCount{0.0f, 1.0f, 0.7071f, 0.6464f, 0.4142f, 0.3535f, 0.25f, 0.0f};

private:
    static std::size_t index (int s) noexcept
    {
        return static_cast<std::size_t> (s < 0 ? 0 : (s >= numSlots ? numSlots - 1 : s));
    }
    static std::size_t groupIndex (int g) noexcept
    {
        return static_cast<std::size_t> (g < 0 ? 0 : (g >= numGroups ? numGroups - 1 : g));
    }

    std::array<RelaxedAtomic<std::int32_t>, numSlots> seriesGroupOfSlot{};
    std::array<RelaxedAtomic<std::int32_t>, numSlots> seriesFlag{};

    int parallelCount = 0;
    int seriesCount = 0;
    float parallelSum = 0.0f;
    std::array<int, numGroups> groupFresh{1, 1, 1};
    std::array<float, numGroups> groupValues{};
    std::array<float, numGroups> groupWeights{1.0f, 1.0f, 1.0f};
};

} // namespace gatevox
