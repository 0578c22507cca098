#include "editor/WaveformPreview.h"

#include "core/SkiptorAudioProcessor.h"

#include <cmath>

namespace gatevox
{
namespace
{
const juce::Colour horizonColour{0xffa6a6a6};
const juce::Colour divisionColour{0xffcccccc};
const juce::Colour highlightColour{0xddffffff};
const juce::Colour traceColour{0xffff9933};
constexpr float dashes[] = {4.0f, 2.0f};
constexpr int divisions = 5;
constexpr float divisionWidth = 33.2f;
constexpr float traceThickness = 4.0f;
constexpr float traceBase = 88.0f;  // y of a value of 0
constexpr float traceScale = 84.0f; // pixels from 0 to 1
constexpr float highlightRise = 2.666f;
constexpr int highlightMargin = 20; // no highlight this close to the right edge
} // namespace

WaveformPreview::WaveformPreview (SkiptorAudioProcessor& p, int slot) : processor (p), slotIndex (slot)
{
    setSize (width, height);
}

int WaveformPreview::entryOfPoint (float phase, int i) noexcept
{
    constexpr std::int64_t points = LfoWaveTable::tablePoints;
    const double p = std::isfinite (phase) ? std::clamp (phase, -1.0f, 1.0f) : 0.0f;
    const auto start = static_cast<std::int64_t> (static_cast<double> (points) * p);
    const auto along = static_cast<std::int64_t> (-(points - 1.0) * i / tracePoints);
    const auto n = (start - along) % points;
    return static_cast<int> (n < 0 ? n + points : n);
}

float WaveformPreview::traceValue (int i) const noexcept
{
    return processor.getModel().lfo (slotIndex).entry (entryOfPoint (shown.phase, i));
}

void WaveformPreview::paint (juce::Graphics& g)
{
    paintGrid (g);
    paintTrace (g);
}

void WaveformPreview::paintGrid (juce::Graphics& g) const
{
    g.setColour (horizonColour);
    g.drawDashedLine ({0.0f, height / 2.0f, static_cast<float> (width), height / 2.0f}, dashes, 2, 1.0f);
    g.setColour (divisionColour);
    for (int i = 1; i <= divisions; ++i)
    {
        const float x = divisionWidth * static_cast<float> (i);
        g.drawDashedLine ({x, 0.0f, x, static_cast<float> (height)}, dashes, 2, 0.5f);
    }
}

void WaveformPreview::paintTrace (juce::Graphics& g) const
{
    float previousY = 0.0f;
    for (int i = 0; i < tracePoints; ++i)
    {
        const float y = traceBase - traceScale * traceValue (i);
        if (i == 0)
            previousY = y;
        const auto x0 = static_cast<float> (i > 2 ? i - 1 : i) + 2.0f;
        const auto x = static_cast<float> (i) + 2.0f;
        if (width - i > highlightMargin)
        {
            g.setColour (highlightColour);
            g.drawLine (x0, y - highlightRise, x, y - 2.0f, traceThickness);
        }
        g.setColour (traceColour);
        g.drawLine (x0, previousY - 2.0f, x, y - 2.0f, traceThickness);
        previousY = y;
    }
}

} // namespace gatevox
