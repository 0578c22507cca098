#include "tools/artwork/WindowBackground.h"

#include "tools/artwork/Emblems.h"
#include "tools/artwork/Lettering.h"
#include "tools/artwork/Materials.h"
#include "tools/artwork/Surface.h"
#include "tools/artwork/WindowLayout.h"

#include <cmath>

namespace gatevox::artwork
{
namespace
{
namespace layout = windowLayout;
constexpr float pi = juce::MathConstants<float>::pi;
const juce::Colour captionOnWood (0xfff1e4c8);
const juce::Colour captionOnMetal (0xffdad5cb);
const juce::Colour scaleTick (0xffe9dcc0);
const juce::Colour slitLight (0xfffff1c4);
constexpr std::uint32_t metalSeed = 5101;
constexpr std::uint32_t woodSeed = 7207;
constexpr std::uint32_t plateSeed = 3301;
constexpr juce::int64 scratchSeed = 1907;

void drawScrew (juce::Graphics& g, juce::Point<float> centre, float radius, float slotAngle)
{
    const juce::Rectangle<float> head (centre.x - radius, centre.y - radius, 2.0f * radius, 2.0f * radius);
    g.setColour (juce::Colours::black.withAlpha (0.6f));
    g.fillEllipse (head.translated (0.0f, 1.0f).expanded (0.6f));
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xffe4e4e0), head.getX(), head.getY(),
                                             juce::Colour (0xff6c6b68), head.getRight(), head.getBottom(), false));
    g.fillEllipse (head);
    juce::Path slot;
    slot.addRectangle (-radius * 0.8f, -0.7f, radius * 1.6f, 1.4f);
    g.setColour (juce::Colour (0xff2c2b29));
    g.fillPath (slot, juce::AffineTransform::rotation (slotAngle).translated (centre));
}

void drawHeader (juce::Graphics& g)
{
    const juce::Rectangle<float> header (0.0f, 0.0f, 800.0f, static_cast<float> (layout::headerHeight));
    g.drawImageAt (woodGrain (800, layout::headerHeight, woodSeed), 0, 0);
    // A satin varnish: a soft sheen across the upper third, darker towards the lower edge.
    juce::ColourGradient varnish (juce::Colours::white.withAlpha (0.10f), 0.0f, 0.0f,
                                  juce::Colours::black.withAlpha (0.35f), 0.0f, header.getBottom(), false);
    varnish.addColour (0.3, juce::Colours::white.withAlpha (0.05f));
    varnish.addColour (0.6, juce::Colours::transparentBlack);
    g.setGradientFill (varnish);
    g.fillRect (header);
    {
        // The wood darkens towards its ends as if lit from the middle.
        const juce::Graphics::ScopedSaveState saved (g);
        g.reduceClipRegion (header.toNearestInt());
        vignette (g, header.withHeight (header.getHeight() * 1.6f), 0.45f);
    }

    // The edge where the wood sits on the metal: a lit top edge, a dark lip and a shadow cast below.
    g.setColour (juce::Colours::white.withAlpha (0.25f));
    g.fillRect (0.0f, 0.0f, 800.0f, 1.0f);
    g.setColour (juce::Colour (0xff1a0f08));
    g.fillRect (0.0f, header.getBottom() - 2.0f, 800.0f, 2.0f);
    g.setGradientFill (juce::ColourGradient (juce::Colours::black.withAlpha (0.6f), 0.0f, header.getBottom(),
                                             juce::Colours::transparentBlack, 0.0f, header.getBottom() + 10.0f, false));
    g.fillRect (0.0f, header.getBottom(), 800.0f, 10.0f);

    drawScrew (g, {8.0f, 8.0f}, 3.5f, 0.6f);
    drawScrew (g, {792.0f, 8.0f}, 3.5f, 2.1f);
    drawScrew (g, {8.0f, 110.0f}, 3.5f, 1.2f);
    drawScrew (g, {792.0f, 110.0f}, 3.5f, 0.2f);
}

void drawPresetPlate (juce::Graphics& g)
{
    const auto plate = layout::presetPlate;
    juce::Path outline;
    outline.addRoundedRectangle (plate, 5.0f);
    softShadow (g, outline, juce::Colours::black.withAlpha (0.8f), 4, {0, 2});
    {
        const juce::Graphics::ScopedSaveState saved (g);
        g.reduceClipRegion (outline);
        g.drawImageAt (brushedMetal (static_cast<int> (plate.getWidth()), static_cast<int> (plate.getHeight()),
                                     plateSeed, juce::Colour (0xffa9a8a4), juce::Colour (0xffe2e1dc)),
                       static_cast<int> (plate.getX()), static_cast<int> (plate.getY()));
        lightFromAbove (g, plate, 0.25f, 0.25f);
    }
    g.setColour (juce::Colours::white.withAlpha (0.6f));
    g.drawLine (plate.getX() + 5.0f, plate.getY() + 1.0f, plate.getRight() - 5.0f, plate.getY() + 1.0f, 1.0f);
    g.setColour (juce::Colours::black.withAlpha (0.7f));
    g.strokePath (outline, juce::PathStrokeType (1.0f));
}

// The seat of a knob, its scale of eleven ticks from 7 to 5 o'clock and its caption above.
void drawKnobSeat (juce::Graphics& g, juce::Rectangle<int> knob, const juce::String& caption)
{
    const auto centre = knob.toFloat().getCentre();
    // A soft dark halo where the knob stands on the wood.
    const float seatRadius = 42.0f;
    juce::Path seat;
    seat.addEllipse (juce::Rectangle<float> (2.0f * seatRadius, 2.0f * seatRadius).withCentre (centre));
    softShadow (g, seat, juce::Colours::black.withAlpha (0.85f), 7, {0, 2});

    constexpr int ticks = 11;
    for (int i = 0; i < ticks; ++i)
    {
        const float angle = 1.2f * pi + 1.6f * pi * static_cast<float> (i) / static_cast<float> (ticks - 1);
        const bool major = i == 0 || i == ticks - 1 || i == ticks / 2;
        // The scale stays clear of the cap (radius 41) and above the wood's lower edge.
        const float inner = 43.5f;
        const float outer = major ? 47.5f : 46.0f;
        const juce::Line<float> tick (centre.x + inner * std::sin (angle), centre.y - inner * std::cos (angle),
                                      centre.x + outer * std::sin (angle), centre.y - outer * std::cos (angle));
        g.setColour (juce::Colours::black.withAlpha (0.6f));
        g.drawLine (tick.withShortenedStart (-0.5f), major ? 2.4f : 1.6f);
        g.setColour (scaleTick.withAlpha (major ? 1.0f : 0.8f));
        g.drawLine (tick, major ? 1.6f : 1.0f);
    }

    const juce::Rectangle<float> captionArea (centre.x - 40.0f, layout::knobCaptionTop, 80.0f,
                                              layout::knobCaptionHeight);
    drawEngraved (g, placedText (caption, boldFont (12.5f), captionArea, juce::Justification::centred, 1.8f),
                  captionOnWood);
}

void drawOutputBracket (juce::Graphics& g)
{
    const auto area = layout::outputBracket;
    const auto text = placedText ("OUTPUT SIGNAL", boldFont (10.0f), area, juce::Justification::centred, 1.6f);
    const auto ink = text.getBounds().expanded (7.0f, 0.0f);
    const float y = area.getCentreY();

    juce::Path bracket;
    bracket.startNewSubPath (area.getX(), area.getY());
    bracket.lineTo (area.getX(), y);
    bracket.lineTo (ink.getX(), y);
    bracket.startNewSubPath (ink.getRight(), y);
    bracket.lineTo (area.getRight(), y);
    bracket.lineTo (area.getRight(), area.getY());

    g.setColour (juce::Colours::black.withAlpha (0.7f));
    g.strokePath (bracket, juce::PathStrokeType (1.2f), juce::AffineTransform::translation (0.0f, 1.0f));
    g.setColour (captionOnMetal.withAlpha (0.85f));
    g.strokePath (bracket, juce::PathStrokeType (1.2f));
    drawPrinted (g, text, captionOnMetal, juce::Colours::black.withAlpha (0.9f));
}

// A caption left of its box, and between them a thin slit with light behind it.
void drawBoxCaption (juce::Graphics& g, const juce::String& caption, juce::Rectangle<int> box)
{
    const auto bounds = box.toFloat();
    const float slitX = bounds.getX() - 6.0f;
    const juce::Rectangle<float> slit (slitX - 1.0f, bounds.getY() + 2.0f, 2.0f, bounds.getHeight() - 4.0f);
    juce::Path slitShape;
    slitShape.addRoundedRectangle (slit, 1.0f);
    g.setColour (juce::Colours::black.withAlpha (0.8f));
    g.fillRoundedRectangle (slit.expanded (1.2f), 1.5f);
    softShadow (g, slitShape, slitLight.withAlpha (0.9f), 5, {});
    g.setGradientFill (
        juce::ColourGradient (slitLight, 0.0f, slit.getY(), slitLight.withAlpha (0.7f), 0.0f, slit.getBottom(), false));
    g.fillPath (slitShape);

    const juce::Rectangle<float> captionArea (
        bounds.getX() - static_cast<float> (layout::captionGap + layout::captionWidth), bounds.getY(),
        static_cast<float> (layout::captionWidth), bounds.getHeight());
    drawEngraved (g, placedText (caption, boldFont (11.5f), captionArea, juce::Justification::right, 0.3f),
                  captionOnMetal);
}

void drawStripSeat (juce::Graphics& g)
{
    const auto strip = layout::stepStrip.toFloat();
    juce::Path seat;
    seat.addRoundedRectangle (strip.expanded (3.0f), 4.0f);
    softShadow (g, seat, juce::Colours::black.withAlpha (0.9f), 6, {0, 2});
    g.setColour (juce::Colour (0xff141312));
    g.fillPath (seat);
    g.setColour (juce::Colours::white.withAlpha (0.18f));
    g.drawLine (strip.getX() - 2.0f, strip.getBottom() + 3.5f, strip.getRight() + 2.0f, strip.getBottom() + 3.5f, 1.0f);
}

// Fine scratches in the metal, mostly along its length, some catching the light.
void drawScratches (juce::Graphics& g, juce::Rectangle<float> area, int count)
{
    juce::Random random (scratchSeed);
    for (int i = 0; i < count; ++i)
    {
        const juce::Point<float> start (area.getX() + random.nextFloat() * area.getWidth(),
                                        area.getY() + random.nextFloat() * area.getHeight());
        const float angle = (random.nextFloat() - 0.5f) * 0.5f;
        const float length = 8.0f + 50.0f * random.nextFloat();
        const juce::Line<float> scratch (start,
                                         start + juce::Point<float> (std::cos (angle), std::sin (angle)) * length);
        const bool lit = random.nextFloat() < 0.6f;
        g.setColour (
            (lit ? juce::Colours::white : juce::Colours::black).withAlpha (0.05f + 0.07f * random.nextFloat()));
        g.drawLine (scratch, 0.8f);
    }
}

void drawGroove (juce::Graphics& g, float y)
{
    g.setColour (juce::Colours::black.withAlpha (0.55f));
    g.drawLine (16.0f, y, 784.0f, y, 1.0f);
    g.setColour (juce::Colours::white.withAlpha (0.14f));
    g.drawLine (16.0f, y + 1.0f, 784.0f, y + 1.0f, 1.0f);
}
} // namespace

juce::Image windowBackground()
{
    auto image = mottledMetal (800, 500, metalSeed);
    juce::Graphics g (image);
    const auto whole = layout::window.toFloat();
    drawScratches (g, whole, 260);
    // A broad sheen across the metal from the upper left, as from a window.
    juce::ColourGradient sheen (juce::Colours::transparentWhite, 0.0f, 120.0f, juce::Colours::transparentWhite, 800.0f,
                                500.0f, false);
    sheen.addColour (0.42, juce::Colours::white.withAlpha (0.07f));
    g.setGradientFill (sheen);
    g.fillRect (whole);
    lightFromAbove (g, whole, 0.08f, 0.3f);
    vignette (g, whole, 0.55f);

    drawGroove (g, layout::bottomGrooveY);
    drawStripSeat (g);
    drawOutputBracket (g);
    drawBoxCaption (g, "Pattern #", layout::patternBox);
    drawBoxCaption (g, "# of Patterns:", layout::patternCountBox);
    drawBoxCaption (g, "Pattern Speed:", layout::patternSpeedBox);
    drawMakerEmblem (g, layout::makerEmblem);

    drawHeader (g);
    drawProductEmblem (g, layout::emblem);
    drawWordmark (g, layout::wordmark);
    drawPresetPlate (g);
    drawKnobSeat (g, layout::gainKnob, "GAIN");
    drawKnobSeat (g, layout::mixKnob, "MIX");
    return image;
}

} // namespace gatevox::artwork
