#pragma once

#include "editor/PatternClipboard.h"

class SkiptorAudioProcessor;

namespace gatevox
{

class SequencerButtons;

// What the window's step tools and pattern controls do between the strip and
// the processor: the strip shows the steps of one pattern and layer, edits
// go to the host as step parameters, and the clipboard copies and pastes
// whole patterns.
class StepEditing
{
public:
    StepEditing (SkiptorAudioProcessor& processor, SequencerButtons& strip);

    // The selected pattern (0-15) and current layer (0-3), read now.
    [[nodiscard]] int selectedPattern() const noexcept;
    [[nodiscard]] int currentLayer() const noexcept;

    // The strip's keys from the processor's steps.
    void showSteps (int pattern, int layer);
    void showSelectedSteps();

    // Every key that differs from its step goes to the host as its step parameter.
    void pushStepEdits();

    // Every key empty, and every step parameter of the strip with it.
    void resetSteps();
    // Every empty step of the selected pattern and layer becomes the slot that
    // follows the strip's last setting.
    void fillEmptySteps();

    void copy (PatternClipboard::Mode mode) noexcept;
    void paste();

private:
    SkiptorAudioProcessor& processor;
    SequencerButtons& strip;
    PatternClipboard patternClipboard;
};

} // namespace gatevox
