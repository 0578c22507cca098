#include "tools/artwork/Panels.h"

#include "tools/artwork/Emblems.h"
#include "tools/artwork/Lettering.h"
#include "tools/artwork/Materials.h"
#include "tools/artwork/Noise.h"
#include "tools/artwork/Surface.h"

#include <array>

namespace gatevox::artwork
{
namespace
{
// Step keys in the strip: x of keys 1-16, their top and size.
constexpr std::array<int, 16> keyX{9, 49, 89, 129, 172, 212, 252, 292, 332, 372, 412, 452, 492, 532, 572, 612};
constexpr int keyY = 10;
constexpr int keyWidth = 35;
constexpr int keyHeight = 37;

// The glass of the preview screen: where the waveform preview lies once the
// page has scaled the picture into its place.
const juce::Rectangle<float> glass{18.0f, 19.0f, 264.0f, 172.0f};
const juce::Colour glassCentre (0xffd9e88a);
const juce::Colour glassEdge (0xff7f9a3a);

void drawBezelScrew (juce::Graphics& g, juce::Point<float> centre)
{
    const float radius = 5.0f;
    const juce::Rectangle<float> head (centre.x - radius, centre.y - radius, 2.0f * radius, 2.0f * radius);
    g.setColour (juce::Colours::black.withAlpha (0.8f));
    g.fillEllipse (head.expanded (1.0f).translated (0.0f, 0.5f));
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xffd8d8d4), head.getX(), head.getY(),
                                             juce::Colour (0xff4a4946), head.getRight(), head.getBottom(), false));
    g.fillEllipse (head);
    // A cross-head recess.
    g.setColour (juce::Colour (0xff1e1d1c));
    g.fillRect (centre.x - 3.2f, centre.y - 0.8f, 6.4f, 1.6f);
    g.fillRect (centre.x - 0.8f, centre.y - 3.2f, 1.6f, 6.4f);
}
} // namespace

juce::Image stripBackground()
{
    juce::Image image (juce::Image::RGB, 657, 54, true);
    juce::Graphics g (image);
    g.drawImageAt (brushedMetal (657, 54, 911, juce::Colour (0xff111111), juce::Colour (0xff2e2d2b)), 0, 0);
    lightFromAbove (g, {0.0f, 0.0f, 657.0f, 54.0f}, 0.08f, 0.35f);

    for (int group = 0; group < 4; ++group)
    {
        const auto first = static_cast<size_t> (4 * group);
        const juce::Rectangle<float> plate (static_cast<float> (keyX[first] - 5), 4.0f,
                                            static_cast<float> (keyX[first + 3] - keyX[first] + keyWidth + 10), 46.0f);
        g.setColour (juce::Colours::black.withAlpha (0.55f));
        g.fillRoundedRectangle (plate, 4.0f);
        g.setColour (juce::Colours::white.withAlpha (0.1f));
        g.drawLine (plate.getX() + 3.0f, plate.getBottom() + 0.5f, plate.getRight() - 3.0f, plate.getBottom() + 0.5f);
    }

    for (int x : keyX)
    {
        const auto well = juce::Rectangle<int> (x, keyY, keyWidth, keyHeight).toFloat().expanded (2.0f);
        g.setGradientFill (juce::ColourGradient (juce::Colour (0xff8e8b85), 0.0f, well.getY(),
                                                 juce::Colour (0xffd9d6cf), 0.0f, well.getBottom(), false));
        g.fillRoundedRectangle (well, 3.0f);
        g.setColour (juce::Colours::black.withAlpha (0.8f));
        g.drawRoundedRectangle (well.expanded (0.5f), 3.0f, 1.0f);
    }
    return image;
}

juce::Image slotBackdrop()
{
    auto image = brushedMetal (762, 230, 4409, juce::Colour (0xff8d8d8b), juce::Colour (0xffe6e6e2));
    juce::Graphics g (image);
    const juce::Rectangle<float> whole (0.0f, 0.0f, 762.0f, 230.0f);
    lightFromAbove (g, whole, 0.15f, 0.1f);

    // The ledge: a band of darker brushed metal along the bottom, its lit edge on top.
    const juce::Rectangle<float> ledge (0.0f, 204.0f, 762.0f, 26.0f);
    g.setGradientFill (juce::ColourGradient (juce::Colours::transparentBlack, 0.0f, ledge.getY() - 16.0f,
                                             juce::Colours::black.withAlpha (0.5f), 0.0f, ledge.getY(), false));
    g.fillRect (0.0f, ledge.getY() - 16.0f, 762.0f, 16.0f);
    g.drawImageAt (brushedMetal (762, 26, 4410, juce::Colour (0xff2b2b2a), juce::Colour (0xff5d5c59)), 0,
                   static_cast<int> (ledge.getY()));
    g.setColour (juce::Colours::white.withAlpha (0.55f));
    g.fillRect (ledge.withHeight (1.0f));
    g.setColour (juce::Colours::black.withAlpha (0.5f));
    g.fillRect (ledge.withTrimmedTop (1.0f).withHeight (1.0f));
    vignette (g, whole, 0.35f);
    return image;
}

juce::Image previewScreen()
{
    juce::Image image (juce::Image::ARGB, 300, 203, true);
    juce::Graphics g (image);
    const juce::Rectangle<float> bezel (1.0f, 1.0f, 298.0f, 201.0f);

    juce::Path bezelShape;
    bezelShape.addRoundedRectangle (bezel, 14.0f);
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff4a4947), 0.0f, bezel.getY(), juce::Colour (0xff121211),
                                             0.0f, bezel.getBottom(), false));
    g.fillPath (bezelShape);
    g.setColour (juce::Colours::white.withAlpha (0.3f));
    g.strokePath (bezelShape, juce::PathStrokeType (1.5f), juce::AffineTransform::translation (0.0f, 0.5f));
    g.setColour (juce::Colours::black);
    g.strokePath (bezelShape, juce::PathStrokeType (1.0f));

    for (auto corner : {juce::Point<float> (10.5f, 10.5f), {289.5f, 10.5f}, {10.5f, 192.5f}, {289.5f, 192.5f}})
        drawBezelScrew (g, corner);

    // The glass sits in a dark recess.
    g.setColour (juce::Colours::black);
    g.fillRoundedRectangle (glass.expanded (3.0f), 6.0f);
    juce::ColourGradient glow (glassCentre, glass.getCentreX(), glass.getCentreY(), glassEdge, glass.getX(),
                               glass.getY(), true);
    g.setGradientFill (glow);
    g.fillRoundedRectangle (glass, 4.0f);

    // Faint scan lines and a grid under the glass.
    const Noise flicker (61);
    for (float y = glass.getY() + 1.0f; y < glass.getBottom(); y += 3.0f)
    {
        g.setColour (juce::Colours::black.withAlpha (0.05f + 0.03f * flicker.at (0.0f, y / 5.0f)));
        g.fillRect (glass.getX(), y, glass.getWidth(), 1.0f);
    }
    g.setColour (juce::Colour (0x18203000));
    for (int i = 1; i < 8; ++i)
        g.fillRect (glass.getX() + glass.getWidth() * static_cast<float> (i) / 8.0f, glass.getY(), 1.0f,
                    glass.getHeight());
    for (int i = 1; i < 4; ++i)
        g.fillRect (glass.getX(), glass.getY() + glass.getHeight() * static_cast<float> (i) / 4.0f, glass.getWidth(),
                    1.0f);

    // An inner shadow along the top and left edges of the glass.
    g.setGradientFill (juce::ColourGradient (juce::Colours::black.withAlpha (0.45f), 0.0f, glass.getY(),
                                             juce::Colours::transparentBlack, 0.0f, glass.getY() + 12.0f, false));
    g.fillRect (glass.withHeight (12.0f));

    // The glare: a soft oval band across the upper right corner.
    {
        const juce::Graphics::ScopedSaveState saved (g);
        g.reduceClipRegion (glass.toNearestInt());
        juce::Path glare;
        glare.addEllipse (-90.0f, -45.0f, 180.0f, 90.0f);
        glare.applyTransform (
            juce::AffineTransform::rotation (-0.45f).translated (glass.getRight() - 40.0f, glass.getY() + 10.0f));
        g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.55f), glass.getRight() - 30.0f,
                                                 glass.getY() + 5.0f, juce::Colours::white.withAlpha (0.0f),
                                                 glass.getRight() - 100.0f, glass.getY() + 70.0f, false));
        g.fillPath (glare);
    }
    return image;
}

juce::Image panelTexture()
{
    auto image = stone (402, 152, 2203);
    juce::Graphics g (image);
    const juce::Rectangle<float> whole (0.0f, 0.0f, 402.0f, 152.0f);
    g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.05f), 0.0f, 0.0f,
                                             juce::Colours::black.withAlpha (0.55f), 0.0f, 152.0f, false));
    g.fillRect (whole);
    vignette (g, whole, 0.3f);
    return image;
}

juce::Image filterEffectCaption()
{
    juce::Image image (juce::Image::ARGB, 139, 26, true);
    juce::Graphics g (image);
    const juce::Rectangle<float> area (2.0f, 1.0f, 135.0f, 23.0f);
    const auto text = placedText ("Filter/Effect:", boldFont (17.0f), area, juce::Justification::left, 0.2f);
    drawPrinted (g, text, juce::Colours::white, juce::Colours::black.withAlpha (0.9f));
    return image;
}

juce::Image settingsBackground()
{
    const Noise mottle (8101);
    auto image = shadePixels (800, 233, juce::Image::RGB,
                              [&] (int x, int y)
                              {
                                  const float fx = static_cast<float> (x);
                                  const float fy = static_cast<float> (y);
                                  const float tone = 0.5f +
                                                     0.12f * (mottle.fractal (fx / 40.0f, fy / 40.0f, 5) - 0.5f) +
                                                     0.1f * (mottle.grain (x, y) - 0.5f) +
                                                     0.05f * (mottle.at (fx / 200.0f, fy / 1.2f) - 0.5f);
                                  return rgb (tone, tone, tone * 1.01f);
                              });
    juce::Graphics g (image);
    const juce::Rectangle<float> whole (0.0f, 0.0f, 800.0f, 233.0f);
    juce::ColourGradient light (juce::Colours::white.withAlpha (0.35f), 400.0f, 110.0f,
                                juce::Colours::black.withAlpha (0.2f), 0.0f, 110.0f, true);
    g.setGradientFill (light);
    g.fillRect (whole);
    return image;
}

juce::Image settingsEmblem()
{
    juce::Image image (juce::Image::ARGB, 150, 150, true);
    juce::Graphics g (image);
    drawMakerEmblem (g, {8.0f, 4.0f, 134.0f, 142.0f});
    return image;
}

} // namespace gatevox::artwork
