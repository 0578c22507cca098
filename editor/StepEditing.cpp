#include "editor/StepEditing.h"

#include "core/SkiptorAudioProcessor.h"
#include "editor/SequencerButtons.h"
#include "editor/StepValues.h"

namespace gatevox
{

StepEditing::StepEditing (SkiptorAudioProcessor& owner, SequencerButtons& stepStrip)
    : processor (owner), strip (stepStrip)
{
    patternClipboard.holdInEveryRow (processor.getModel().steps, selectedPattern(), currentLayer());
}

int StepEditing::selectedPattern() const noexcept
{
    const auto pattern = processor.getModel().sequencer.ints.read (SequencerState::pattern);
    return pattern >= 0 && pattern < numPatterns ? pattern : 0;
}

int StepEditing::currentLayer() const noexcept
{
    return std::clamp (processor.getModel().sequencer.ints.read (SequencerState::layer), 0, numLayers - 1);
}

void StepEditing::showSteps (int pattern, int layer)
{
    const auto& steps = processor.getModel().steps;
    for (int index = 1; index <= SequencerButtons::numKeys; ++index)
        strip.setKey (index, stripValueOfStep (steps.read (pattern, layer, index - 1)));
}

void StepEditing::showSelectedSteps()
{
    showSteps (selectedPattern(), currentLayer());
}

void StepEditing::pushStepEdits()
{
    const auto& steps = processor.getModel().steps;
    const int pattern = selectedPattern();
    const int layer = currentLayer();
    for (int index = 1; index <= SequencerButtons::numKeys; ++index)
    {
        const int key = strip.getKey (index);
        if (key - 1 != steps.read (pattern, layer, index - 1))
            strip.sendStep (index, key);
    }
}

void StepEditing::resetSteps()
{
    for (int index = 1; index <= SequencerButtons::numKeys; ++index)
    {
        strip.setKey (index, emptyStripValue);
        strip.sendStep (index, emptyStripValue);
    }
}

void StepEditing::fillEmptySteps()
{
    const auto& steps = processor.getModel().steps;
    const int pattern = selectedPattern();
    const int layer = currentLayer();
    const int filled = nextStripValue (strip.getLastSetting());
    for (int index = 1; index <= SequencerButtons::numKeys; ++index)
    {
        if (steps.read (pattern, layer, index - 1) != emptyStep)
            continue;
        strip.setKey (index, filled);
        strip.sendStep (index, filled);
    }
}

void StepEditing::copy (PatternClipboard::Mode mode) noexcept
{
    patternClipboard.copy (processor.getModel().steps, selectedPattern(), currentLayer(), mode);
}

void StepEditing::paste()
{
    const int pattern = selectedPattern();
    const int layer = currentLayer();
    patternClipboard.paste (processor.getModel(), pattern, layer);
    showSteps (pattern, layer);
}

} // namespace gatevox
