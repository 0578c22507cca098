#pragma once

#include "core/ModelSizes.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

namespace gatevox
{

// The envelope tab's picture of a slot's envelope: the four segment curves on
// 90 points each, computed here from the knobs the tab shows, over a grid of
// steps and levels, filled in the slot's colour.
class ADSRPreview final : public juce::Component, public juce::ComponentListener
{
public:
    static constexpr int width = 368;
    static constexpr int height = 80;
    static constexpr int pointsPerSegment = 90;

    using Knobs = std::array<std::array<float, knobsPerSegment>, numEnvelopeSegments>;

    // slotNumber 1-5 chooses the fill colour.
    explicit ADSRPreview (int slotNumber);

    // Knob k (0-2) of segment g (0-3); the curve follows, and is drawn again,
    // when it changes.
    void setKnob (int g, int k, float value);
    // Recomputes the four curves from the knobs.
    void computeCurve();

    [[nodiscard]] float point (int g, int j) const noexcept;
    // Where point j of segment g is drawn: x, and y limited at the top.
    [[nodiscard]] static juce::Point<float> drawnAt (int g, int j, float value) noexcept;
    [[nodiscard]] juce::Colour fillColour() const noexcept;

    void paint (juce::Graphics& g) override;

private:
    void paintGrid (juce::Graphics& g) const;

    const int slotNumber;
    Knobs knobs{{{0.0f, 0.3f, 0.9f}, {1.0f, 1.0f, 1.0f}, {1.0f, 1.0f, 1.0f}, {1.0f, 0.5f, 0.0f}}};
    std::array<std::array<float, pointsPerSegment>, numEnvelopeSegments> curve{};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ADSRPreview)
};

} // namespace gatevox
