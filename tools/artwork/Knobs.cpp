#include "tools/artwork/Knobs.h"

#include "tools/artwork/Materials.h"
#include "tools/artwork/Surface.h"

#include <cmath>

namespace gatevox::artwork
{
namespace
{
constexpr float pi = juce::MathConstants<float>::pi;
const juce::Colour pointerOrange (0xffff7a1a);
const juce::Colour skirtTop (0xff4a4a4c);
const juce::Colour skirtBottom (0xff101011);
const juce::Colour scallopTop (0xff4b4b4e);
const juce::Colour scallopBottom (0xff0c0c0d);

juce::Path circle (juce::Point<float> centre, float radius)
{
    juce::Path path;
    path.addEllipse (centre.x - radius, centre.y - radius, 2.0f * radius, 2.0f * radius);
    return path;
}

// A knob outline with rounded lobes: the radius swings by depth around the circle.
juce::Path scallopedOutline (juce::Point<float> centre, float radius, float depth, int lobes)
{
    juce::Path outline;
    constexpr int points = 360;
    for (int i = 0; i <= points; ++i)
    {
        const float angle = 2.0f * pi * static_cast<float> (i) / static_cast<float> (points);
        const float r = radius - depth * (0.5f - 0.5f * std::cos (static_cast<float> (lobes) * angle));
        const juce::Point<float> p (centre.x + r * std::sin (angle), centre.y - r * std::cos (angle));
        if (i == 0)
            outline.startNewSubPath (p);
        else
            outline.lineTo (p);
    }
    outline.closeSubPath();
    return outline;
}
} // namespace

juce::Image largeKnob()
{
    juce::Image image (juce::Image::ARGB, 81, 81, true);
    juce::Graphics g (image);
    const juce::Point<float> centre (40.5f, 40.5f);

    const auto skirt = circle (centre, 37.0f);
    softShadow (g, skirt, juce::Colours::black.withAlpha (0.8f), 4, {0, 2});
    g.setGradientFill (juce::ColourGradient (skirtTop, 0.0f, 3.0f, skirtBottom, 0.0f, 78.0f, false));
    g.fillPath (skirt);
    // Knurling on the skirt: fine radial ribs.
    g.setColour (juce::Colours::black.withAlpha (0.35f));
    for (int rib = 0; rib < 72; ++rib)
    {
        const float angle = 2.0f * pi * static_cast<float> (rib) / 72.0f;
        g.drawLine (centre.x + 33.0f * std::sin (angle), centre.y - 33.0f * std::cos (angle),
                    centre.x + 36.5f * std::sin (angle), centre.y - 36.5f * std::cos (angle), 0.8f);
    }

    // The aluminium top, turned in circles, with its chamfer.
    const auto top = circle (centre, 31.0f);
    softShadow (g, top, juce::Colours::black.withAlpha (0.7f), 3, {0, 1});
    {
        const juce::Graphics::ScopedSaveState saved (g);
        g.reduceClipRegion (top);
        g.drawImageAt (spunMetal (81, 811), 0, 0);
        // Light from above and a specular spot at the upper left.
        g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.25f), 0.0f, 10.0f,
                                                 juce::Colours::black.withAlpha (0.3f), 0.0f, 72.0f, false));
        g.fillPath (top);
        g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.75f), 29.0f, 25.0f,
                                                 juce::Colours::transparentWhite, 47.0f, 43.0f, true));
        g.fillPath (top);
    }
    g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.85f), 0.0f, 9.0f,
                                             juce::Colours::black.withAlpha (0.6f), 0.0f, 72.0f, false));
    g.strokePath (top, juce::PathStrokeType (1.4f));

    // The pointer: an inlaid orange bar from near the centre to the rim at 12 o'clock.
    const juce::Rectangle<float> pointer (38.5f, 11.5f, 4.0f, 19.0f);
    juce::Path bar;
    bar.addRoundedRectangle (pointer, 2.0f);
    softShadow (g, bar, pointerOrange.withAlpha (0.6f), 3, {});
    g.setColour (juce::Colours::black.withAlpha (0.5f));
    g.fillRoundedRectangle (pointer.translated (0.0f, -0.8f).expanded (0.6f), 2.0f);
    g.setGradientFill (juce::ColourGradient (pointerOrange.brighter (0.4f), 0.0f, pointer.getY(), pointerOrange, 0.0f,
                                             pointer.getBottom(), false));
    g.fillPath (bar);
    return image;
}

juce::Image smallKnob()
{
    juce::Image image (juce::Image::ARGB, 100, 100, true);
    juce::Graphics g (image);
    const juce::Point<float> centre (50.0f, 50.0f);

    const auto body = scallopedOutline (centre, 46.0f, 6.0f, 9);
    softShadow (g, body, juce::Colours::black.withAlpha (0.85f), 5, {0, 3});
    g.setGradientFill (juce::ColourGradient (scallopTop, 0.0f, 4.0f, scallopBottom, 0.0f, 96.0f, false));
    g.fillPath (body);
    g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.5f), 0.0f, 4.0f,
                                             juce::Colours::transparentWhite, 0.0f, 50.0f, false));
    g.strokePath (body, juce::PathStrokeType (2.0f));

    // A bevel ring between the lobes and the cap.
    const auto ring = circle (centre, 31.0f);
    g.setGradientFill (
        juce::ColourGradient (juce::Colours::black, 0.0f, 19.0f, juce::Colour (0xff5a5a5e), 0.0f, 81.0f, false));
    g.fillPath (ring);

    const auto cap = circle (centre, 22.0f);
    softShadow (g, cap, juce::Colours::black.withAlpha (0.9f), 4, {0, 2});
    g.setGradientFill (
        juce::ColourGradient (juce::Colours::white, 40.0f, 34.0f, juce::Colour (0xffb9bbc0), 58.0f, 72.0f, true));
    g.fillPath (cap);
    g.setColour (juce::Colours::black.withAlpha (0.35f));
    g.strokePath (cap, juce::PathStrokeType (1.0f));

    // The pointer line from the cap to the rim at 12 o'clock.
    juce::Path line;
    line.addRoundedRectangle (46.0f, 5.0f, 8.0f, 25.0f, 3.0f);
    g.setColour (juce::Colours::black.withAlpha (0.5f));
    g.fillPath (line, juce::AffineTransform::translation (0.0f, 1.5f));
    g.setColour (juce::Colours::white);
    g.fillPath (line);
    return image;
}

} // namespace gatevox::artwork
