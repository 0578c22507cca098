#include "editor/PatternClipboard.h"

#include <algorithm>

namespace gatevox
{

const PatternClipboard::Row& PatternClipboard::row (int r) const noexcept
{
    return rows[static_cast<std::size_t> (std::clamp (r, 0, numLayers - 1))];
}

void PatternClipboard::holdInEveryRow (const StepStore& steps, int pattern, int layer) noexcept
{
    for (int r = 0; r < numLayers; ++r)
        copyRow (steps, pattern, layer, r);
}

void PatternClipboard::copy (const StepStore& steps, int pattern, int layer, Mode mode) noexcept
{
    copyMode = mode;
    if (mode == Mode::oneLayer)
    {
        copyRow (steps, pattern, layer, 0);
        return;
    }
    for (int r = 0; r < numLayers; ++r)
        copyRow (steps, pattern, r, r);
}

void PatternClipboard::paste (ProcessorModel& model, int pattern, int layer) const noexcept
{
    if (copyMode == Mode::oneLayer)
    {
        pasteRow (model, pattern, layer, 0);
        return;
    }
    for (int r = 0; r < numLayers; ++r)
        pasteRow (model, pattern, r, r);
    // The shown layer once more, last: a write the grid's guard dropped the
    // first time gets a second chance before the strip reads it back.
    pasteRow (model, pattern, layer, layer);
}

void PatternClipboard::copyRow (const StepStore& steps, int pattern, int layer, int r) noexcept
{
    auto& target = rows[static_cast<std::size_t> (std::clamp (r, 0, numLayers - 1))];
    for (int step = 0; step < numSteps; ++step)
        target[static_cast<std::size_t> (step)] = steps.read (pattern, layer, step);
}

void PatternClipboard::pasteRow (ProcessorModel& model, int pattern, int layer, int r) const noexcept
{
    const auto& source = row (r);
    for (int step = 0; step < numSteps; ++step)
        model.writeStep (pattern, layer, step, source[static_cast<std::size_t> (step)]);
}

} // namespace gatevox
