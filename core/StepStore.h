#pragma once

#include "core/Guarded.h"
#include "core/ModelSizes.h"
#include "core/RelaxedAtomic.h"

#include <algorithm>
#include <array>

namespace gatevox
{

// The step grid the editor, the step parameters and the files edit, arranged
// [pattern][layer][step]; a guarded block written with the skipping write.
class StepStore
{
public:
    [[nodiscard]] static constexpr std::size_t indexOf (int pattern, int layer, int step) noexcept
    {
        return static_cast<std::size_t> (
            (std::clamp (pattern, 0, numPatterns - 1) * numLayers + std::clamp (layer, 0, numLayers - 1)) * numSteps +
            std::clamp (step, 0, numSteps - 1));
    }

    [[nodiscard]] std::int32_t read (int pattern, int layer, int step) const noexcept
    {
        return steps.read (indexOf (pattern, layer, step));
    }

    bool write (int pattern, int layer, int step, std::int32_t value) noexcept
    {
        return steps.skippingWrite (indexOf (pattern, layer, step), value);
    }

    void fill (std::int32_t value) noexcept { steps.fill (value); }

    [[nodiscard]] GuardCounter& writeCounter() noexcept { return steps.writeCounter(); }

private:
    GuardedBlock<std::int32_t, numStepValues> steps;
};

// The render loop's own copy of the step grid, arranged [layer][pattern][step].
// Unguarded: writers store whole values while the audio thread reads them.
class StepMirror
{
public:
    [[nodiscard]] static constexpr std::size_t indexOf (int layer, int pattern, int step) noexcept
    {
        return static_cast<std::size_t> (
            (std::clamp (layer, 0, numLayers - 1) * numPatterns + std::clamp (pattern, 0, numPatterns - 1)) * numSteps +
            std::clamp (step, 0, numSteps - 1));
    }

    [[nodiscard]] std::int32_t read (int layer, int pattern, int step) const noexcept
    {
        return steps[indexOf (layer, pattern, step)];
    }

    void write (int layer, int pattern, int step, std::int32_t value) noexcept
    {
        steps[indexOf (layer, pattern, step)] = value;
    }

    void fill (std::int32_t value) noexcept
    {
        for (auto& s : steps)
            s = value;
    }

private:
    std::array<RelaxedAtomic<std::int32_t>, numStepValues> steps{};
};

} // namespace gatevox
