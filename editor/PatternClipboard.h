#pragma once

#include "core/ProcessorModel.h"

#include <array>

namespace gatevox
{

// The window's pattern clipboard: the steps of one layer (row 0) or of all
// four layers of a pattern. Pasting writes the processor's step grids
// directly, without telling the host.
class PatternClipboard
{
public:
    enum class Mode
    {
        oneLayer = 1,
        allLayers = 2
    };

    using Row = std::array<std::int32_t, numSteps>;

    // The window's start: every row holds the steps of this pattern's layer.
    void holdInEveryRow (const StepStore& steps, int pattern, int layer) noexcept;

    void copy (const StepStore& steps, int pattern, int layer, Mode mode) noexcept;

    // Writes the rows into the pattern: row 0 into the layer (one layer), or
    // row r into layer r (all layers) with the given layer written last.
    void paste (ProcessorModel& model, int pattern, int layer) const noexcept;

private:
    [[nodiscard]] const Row& row (int r) const noexcept;
    void copyRow (const StepStore& steps, int pattern, int layer, int r) noexcept;
    void pasteRow (ProcessorModel& model, int pattern, int layer, int r) const noexcept;

    std::array<Row, numLayers> rows{};
    Mode copyMode = Mode::oneLayer;
};

} // namespace gatevox
