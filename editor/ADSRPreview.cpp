#include "editor/ADSRPreview.h"

#include "editor/ValueChange.h"
#include "modulation/EnvelopeGenerator.h"

#include <algorithm>
#include <cmath>

namespace gatevox
{
namespace
{
const juce::Colour topColour{0xffffffff};
const juce::Colour lowColour{0xffaaaaaa};
const juce::Colour middleLineColour{0xff161616};
const juce::Colour segmentLineColour{0xff777777};
const juce::Colour stepLineColour{0xffcccccc};
const juce::Colour darkLevelColour{0xff363636};
const juce::Colour lightLevelColour{0xff999999};
const juce::Colour borderColour{0xff303030};
const juce::Colour edgeColour{0x66000000};
// Fill colours of slots "Fx 1" to "Fx 5".
constexpr std::array<juce::uint32, numSlots> fillColours{0x88848484, 0x77171717, 0x77096000, 0xb3c8cf06, 0x77ca3000};

constexpr float dashes[] = {4.0f, 2.0f};
constexpr float segmentWidth = 92.0f;
constexpr float stepWidth = 23.0f;
constexpr float levelSpacing = 10.0f;
constexpr float baseline = 78.0f;
constexpr float top = 2.0f;
constexpr float curveThickness = 2.0f;
constexpr float borderThickness = 2.0f;
} // namespace

ADSRPreview::ADSRPreview (int number) : slotNumber (number)
{
    computeCurve();
    setSize (width, height);
}

void ADSRPreview::setKnob (int g, int k, float value)
{
    if (g < 0 || g >= numEnvelopeSegments || k < 0 || k >= knobsPerSegment)
        return;
    auto& knob = knobs[static_cast<std::size_t> (g)][static_cast<std::size_t> (k)];
    if (!std::isfinite (value))
        value = 0.0f;
    if (!differs (knob, value))
        return;
    knob = value;
    computeCurve();
    repaint();
}

// The envelope's segment curve: a cubic Bezier from the first knob to the
// third, pulled by the second, smoothed from 0 at the start of each segment.
void ADSRPreview::computeCurve()
{
    for (std::size_t g = 0; g < curve.size(); ++g)
    {
        const auto [a, b, c] = knobs[g];
        const auto segment = buildEnvelopeSegment ({a, b, c, 0.0f, pointsPerSegment});
        std::copy (segment.points.begin(), segment.points.end(), curve[g].begin());
    }
}

float ADSRPreview::point (int g, int j) const noexcept
{
    return curve[static_cast<std::size_t> (std::clamp (g, 0, numEnvelopeSegments - 1))]
                [static_cast<std::size_t> (std::clamp (j, 0, pointsPerSegment - 1))];
}

juce::Point<float> ADSRPreview::drawnAt (int g, int j, float value) noexcept
{
    const float y = baseline - baseline * value;
    return {static_cast<float> (3 + (pointsPerSegment + 1) * g + j), y < top ? top : y};
}

juce::Colour ADSRPreview::fillColour() const noexcept
{
    const bool known = slotNumber >= 1 && slotNumber <= numSlots;
    return juce::Colour (fillColours[known ? static_cast<std::size_t> (slotNumber - 1) : 0]);
}

void ADSRPreview::paint (juce::Graphics& g)
{
    g.setGradientFill ({topColour, 0.0f, 0.0f, lowColour, static_cast<float> (width), height / 2.0f, false});
    g.fillAll();
    paintGrid (g);
    g.setColour (borderColour);
    g.drawRect (getLocalBounds().toFloat(), borderThickness);

    const auto fill = fillColour();
    for (int s = 0; s < numEnvelopeSegments; ++s)
        for (int j = 0; j < pointsPerSegment; ++j)
        {
            const auto at = drawnAt (s, j, point (s, j));
            const auto from = j == 0 ? juce::Point<float> (at.x, baseline) : drawnAt (s, j - 1, point (s, j - 1));
            g.setColour (edgeColour);
            g.drawLine ({from, at}, curveThickness);
            g.setColour (fill);
            g.drawLine (at.x, baseline, at.x, at.y, curveThickness);
        }
}

void ADSRPreview::paintGrid (juce::Graphics& g) const
{
    const auto w = static_cast<float> (width);
    const auto h = static_cast<float> (height);
    g.setColour (middleLineColour);
    g.drawDashedLine ({0.0f, h / 2.0f, w, h / 2.0f}, dashes, 2, 1.0f);
    g.setColour (segmentLineColour);
    for (int i = 1; i <= numEnvelopeSegments; ++i)
    {
        const float x = segmentWidth * static_cast<float> (i);
        g.drawLine (x, 0.0f, x, h, 1.0f);
    }
    g.setColour (stepLineColour);
    for (int j = 1; j <= numSteps; ++j)
    {
        const float x = stepWidth * static_cast<float> (j);
        g.drawDashedLine ({x, 0.0f, x, h}, dashes, 2, 0.5f);
    }
    for (int level = 1; level <= 8; ++level)
    {
        g.setColour (level % 2 == 1 ? darkLevelColour : lightLevelColour);
        const float y = levelSpacing * static_cast<float> (level);
        g.drawDashedLine ({0.0f, y, w, y}, dashes, 2, 0.333f);
    }
}

} // namespace gatevox
