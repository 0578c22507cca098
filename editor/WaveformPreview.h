#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class SkiptorAudioProcessor;

namespace gatevox
{

// One cycle of a slot's LFO table as the audio thread reads it, from the
// slot's phase, over a dashed grid. It keeps the phase, duty and floor it
// last showed, so that the slot page repaints it only when they change.
class WaveformPreview final : public juce::Component
{
public:
    static constexpr int width = 166;
    static constexpr int height = 92;
    static constexpr int tracePoints = 162;

    struct Shown
    {
        float phase = 0.0f;
        float duty = 0.0f;
        float floor = 0.0f;
    };

    WaveformPreview (SkiptorAudioProcessor& processor, int slotIndex);

    void paint (juce::Graphics& g) override;

    // Table entry the trace's point i (0-161) reads for phase p (-1 to 1).
    [[nodiscard]] static int entryOfPoint (float phase, int i) noexcept;
    // The trace's height at point i, from the published table.
    [[nodiscard]] float traceValue (int i) const noexcept;

    Shown shown;

private:
    void paintGrid (juce::Graphics& g) const;
    void paintTrace (juce::Graphics& g) const;

    SkiptorAudioProcessor& processor;
    const int slotIndex;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (WaveformPreview)
};

} // namespace gatevox
