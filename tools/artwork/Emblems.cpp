#include "tools/artwork/Emblems.h"

#include "tools/artwork/Lettering.h"
#include "tools/artwork/Surface.h"

#include <iterator>

namespace gatevox::artwork
{
namespace
{
const juce::Colour brassLight (0xfff3d9a0);
const juce::Colour brassDark (0xff8a6526);
const juce::Colour badgeFace (0xff1c1a18);
const juce::Colour amber (0xffffa22e);
const juce::Colour ivory (0xfff6ecd6);
const juce::Colour silverLight (0xfff4f6f8);
const juce::Colour silverDark (0xff8d96a0);
const juce::Colour makerBlue (0xff17263d);

void fillRing (juce::Graphics& g, juce::Rectangle<float> outer, float width, juce::Colour light, juce::Colour dark)
{
    juce::Path ring;
    ring.addEllipse (outer);
    ring.addEllipse (outer.reduced (width));
    ring.setUsingNonZeroWinding (false);
    g.setGradientFill (
        juce::ColourGradient (light, outer.getX(), outer.getY(), dark, outer.getRight(), outer.getBottom(), false));
    g.fillPath (ring);
    g.setColour (juce::Colours::black.withAlpha (0.5f));
    g.drawEllipse (outer.reduced (0.5f), 1.0f);
}

// Five steps of a pattern across the badge: bars of different heights standing
// on one line, the lit ones open like a gate (unit square coordinates).
struct StepBar
{
    float height;
    bool lit;
};
constexpr StepBar stepBars[] = {{0.34f, true}, {0.58f, true}, {0.2f, false}, {0.46f, true}, {0.28f, false}};
constexpr float barsLeft = 0.2f;
constexpr float barPitch = 0.125f;
constexpr float barWidth = 0.085f;
constexpr float barsBase = 0.74f;

void drawStepBars (juce::Graphics& g, juce::Rectangle<float> face, float size)
{
    const auto onFace = [&face] (float x, float y)
    { return juce::Point<float> (face.getX() + x * face.getWidth(), face.getY() + y * face.getHeight()); };

    for (size_t i = 0; i < std::size (stepBars); ++i)
    {
        const auto& bar = stepBars[i];
        const float left = barsLeft + barPitch * static_cast<float> (i);
        const juce::Rectangle<float> shape (onFace (left, barsBase - bar.height), onFace (left + barWidth, barsBase));
        juce::Path barPath;
        barPath.addRoundedRectangle (shape, size * 0.015f);
        if (bar.lit)
        {
            softShadow (g, barPath, amber.withAlpha (0.8f), juce::roundToInt (size * 0.08f), {});
            g.setGradientFill (juce::ColourGradient (amber.brighter (0.5f), 0.0f, shape.getY(), amber.darker (0.2f),
                                                     0.0f, shape.getBottom(), false));
        }
        else
            g.setColour (amber.withAlpha (0.22f));
        g.fillPath (barPath);
    }

    const float lineY = barsBase + 0.035f;
    g.setColour (amber.withAlpha (0.85f));
    g.drawLine ({onFace (barsLeft - 0.04f, lineY), onFace (barsLeft + 4.0f * barPitch + barWidth + 0.04f, lineY)},
                size * 0.025f);
}

juce::Path makerMonogram()
{
    juce::Path ridge;
    ridge.startNewSubPath (0.14f, 0.30f);
    ridge.lineTo (0.40f, 0.76f);
    ridge.lineTo (0.62f, 0.36f);
    ridge.lineTo (0.72f, 0.52f);
    ridge.lineTo (0.88f, 0.26f);
    return ridge;
}
} // namespace

void drawProductEmblem (juce::Graphics& g, juce::Rectangle<float> area)
{
    const float size = juce::jmin (area.getWidth(), area.getHeight());
    const auto disc = area.withSizeKeepingCentre (size, size).reduced (size * 0.04f);

    juce::Path outline;
    outline.addEllipse (disc);
    softShadow (g, outline, juce::Colours::black.withAlpha (0.7f), juce::roundToInt (size * 0.08f),
                {0, juce::roundToInt (size * 0.03f)});

    const auto face = disc.reduced (size * 0.09f);
    g.setGradientFill (juce::ColourGradient (badgeFace.brighter (0.35f), face.getCentreX(), face.getY(), badgeFace,
                                             face.getCentreX(), face.getBottom(), false));
    g.fillEllipse (face);

    drawStepBars (g, face, size);
    fillRing (g, disc, size * 0.09f, brassLight, brassDark);
    // A glint on the ring at the upper left.
    g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.55f), disc.getX() + size * 0.25f,
                                             disc.getY() + size * 0.15f, juce::Colours::transparentWhite,
                                             disc.getX() + size * 0.45f, disc.getY() + size * 0.35f, true));
    g.fillEllipse (disc);
}

void drawWordmark (juce::Graphics& g, juce::Rectangle<float> area)
{
    const auto font = boldFont (area.getHeight() * 0.82f);
    const auto text = placedText ("Gatevox", font, area, juce::Justification::left, 1.5f);
    const auto ink = text.getBounds();

    g.setColour (juce::Colours::black.withAlpha (0.6f));
    g.fillPath (text, juce::AffineTransform::translation (0.0f, -1.2f));
    softShadow (g, text, juce::Colours::black.withAlpha (0.8f), 4, {1, 2});
    juce::ColourGradient sheen (ivory, ink.getX(), ink.getY(), brassLight.darker (0.15f), ink.getX(), ink.getBottom(),
                                false);
    sheen.addColour (0.5, ivory.darker (0.05f));
    g.setGradientFill (sheen);
    g.fillPath (text);
}

void drawMakerEmblem (juce::Graphics& g, juce::Rectangle<float> area)
{
    const float nameHeight = area.getHeight() * 0.16f;
    const float size = juce::jmin (area.getWidth(), area.getHeight() - nameHeight * 1.6f);
    const auto disc = juce::Rectangle<float> (size, size).withCentre ({area.getCentreX(), area.getY() + size / 2.0f});

    juce::Path outline;
    outline.addEllipse (disc);
    softShadow (g, outline, juce::Colours::black.withAlpha (0.7f), juce::roundToInt (size * 0.08f),
                {0, juce::roundToInt (size * 0.03f)});

    g.setGradientFill (juce::ColourGradient (makerBlue.brighter (0.5f), disc.getCentreX(), disc.getY(), makerBlue,
                                             disc.getCentreX(), disc.getBottom(), false));
    g.fillEllipse (disc);
    fillRing (g, disc, size * 0.07f, silverLight, silverDark);

    auto monogram = makerMonogram();
    monogram.applyTransform (
        juce::AffineTransform::scale (size, size).translated (disc.getX(), disc.getY() + size * 0.02f));
    const juce::PathStrokeType stroke (size * 0.1f, juce::PathStrokeType::mitered, juce::PathStrokeType::square);
    juce::Path monogramShape;
    stroke.createStrokedPath (monogramShape, monogram);
    softShadow (g, monogramShape, juce::Colours::black.withAlpha (0.6f), 3, {0, 1});
    const auto ink = monogramShape.getBounds();
    g.setGradientFill (
        juce::ColourGradient (silverLight, ink.getX(), ink.getY(), silverDark, ink.getX(), ink.getBottom(), false));
    g.fillPath (monogramShape);

    const auto nameArea = area.withTop (disc.getBottom() + nameHeight * 0.4f).withHeight (nameHeight * 1.2f);
    // The name keeps its spacing in proportion and shrinks until it fits the width.
    float letterHeight = nameHeight;
    auto name =
        placedText ("VELMONT", boldFont (letterHeight), nameArea, juce::Justification::centred, letterHeight * 0.28f);
    while (name.getBounds().getWidth() > 0.92f * area.getWidth())
    {
        letterHeight *= 0.95f;
        name = placedText ("VELMONT", boldFont (letterHeight), nameArea, juce::Justification::centred,
                           letterHeight * 0.28f);
    }
    drawPrinted (g, name, silverLight, juce::Colours::black.withAlpha (0.8f));
}

} // namespace gatevox::artwork
