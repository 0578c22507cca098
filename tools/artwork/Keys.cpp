#include "tools/artwork/Keys.h"

#include "tools/artwork/Lettering.h"
#include "tools/artwork/Surface.h"

namespace gatevox::artwork
{
namespace
{
const juce::Colour lightKeyTop (0xffeeeeeb);
const juce::Colour lightKeyBottom (0xffb9b9b5);
const juce::Colour darkKeyTop (0xff3d3c3a);
const juce::Colour darkKeyBottom (0xff161615);
const juce::Colour wordGrey (0xffa9a9a6);
const juce::Colour wordLight (0xffd4d4d0);
const juce::Colour wordYellow (0xffffd83a);
const juce::Colour ledWindow (0xff2a2622);

juce::Image canvas (int width, int height, const juce::Image& backdrop)
{
    if (backdrop.isValid())
        return backdrop.createCopy();
    return juce::Image (juce::Image::ARGB, width, height, true);
}

juce::Path roundedBody (juce::Rectangle<float> area, float corner)
{
    juce::Path body;
    body.addRoundedRectangle (area, corner);
    return body;
}

// A raised key: shadow, face gradient, a light rim along the top and a dark edge.
void drawKeyBody (juce::Graphics& g, juce::Rectangle<float> area, float corner, juce::Colour top, juce::Colour bottom)
{
    const auto body = roundedBody (area, corner);
    softShadow (g, body, juce::Colours::black.withAlpha (0.65f), 3, {0, 1});

    g.setGradientFill (juce::ColourGradient (top, 0.0f, area.getY(), bottom, 0.0f, area.getBottom(), false));
    g.fillPath (body);

    // The upper half catches more light, as on a gently domed face.
    juce::ColourGradient gloss (juce::Colours::white.withAlpha (0.22f), 0.0f, area.getY(),
                                juce::Colours::transparentWhite, 0.0f, area.getCentreY(), false);
    g.setGradientFill (gloss);
    g.fillPath (roundedBody (area.reduced (1.0f).withHeight (area.getHeight() * 0.5f), corner - 1.0f));

    g.setColour (juce::Colours::white.withAlpha (0.35f));
    g.drawLine (area.getX() + corner, area.getY() + 1.0f, area.getRight() - corner, area.getY() + 1.0f, 1.0f);
    g.setColour (juce::Colours::black.withAlpha (0.75f));
    g.strokePath (body, juce::PathStrokeType (1.0f));
}

void drawGlowingWord (juce::Graphics& g, const juce::Path& word, juce::Colour colour)
{
    softShadow (g, word, colour.withAlpha (0.55f), 4, {});
    g.setColour (colour);
    g.fillPath (word);
}
} // namespace

juce::Image lightKey (const juce::String& word, bool pressed, const juce::Image& backdrop)
{
    auto image = canvas (83, 27, backdrop);
    juce::Graphics g (image);
    const juce::Rectangle<float> area (2.5f, 1.5f, 78.0f, 22.5f);
    drawKeyBody (g, area, 4.0f, pressed ? lightKeyTop.brighter (0.4f) : lightKeyTop,
                 pressed ? lightKeyBottom.brighter (0.25f) : lightKeyBottom);
    const auto text = placedText (word, boldFont (13.5f), area, juce::Justification::centred, 0.3f);
    g.setColour (juce::Colours::white.withAlpha (0.45f));
    g.fillPath (text, juce::AffineTransform::translation (0.0f, 1.0f));
    g.setColour (juce::Colours::black);
    g.fillPath (text);
    return image;
}

juce::Image darkButton (const juce::String& word, bool pressed, const juce::Image& backdrop)
{
    auto image = canvas (83, 27, backdrop);
    juce::Graphics g (image);
    const juce::Rectangle<float> area (3.5f, 2.5f, 76.0f, 21.0f);
    drawKeyBody (g, area, 8.0f, pressed ? darkKeyTop.brighter (0.3f) : darkKeyTop,
                 pressed ? darkKeyBottom.brighter (0.3f) : darkKeyBottom);
    const auto text = placedText (word, boldFont (15.0f), area, juce::Justification::centred, 0.5f);
    g.setColour (juce::Colours::black.withAlpha (0.8f));
    g.fillPath (text, juce::AffineTransform::translation (0.0f, -1.0f));
    g.setColour (pressed ? juce::Colours::white : wordLight);
    g.fillPath (text);
    return image;
}

juce::Image toolKey (const juce::String& word, bool on)
{
    auto image = canvas (60, 25, {});
    juce::Graphics g (image);
    const juce::Rectangle<float> area (2.5f, 2.0f, 55.0f, 20.0f);
    drawKeyBody (g, area, 3.5f, darkKeyTop, darkKeyBottom);
    const auto text = placedText (word, boldFont (11.5f), area, juce::Justification::centred, 0.4f);
    if (on)
        drawGlowingWord (g, text, wordYellow);
    else
    {
        g.setColour (wordGrey);
        g.fillPath (text);
    }
    return image;
}

juce::Image layerKey (int digit, bool on)
{
    auto image = canvas (44, 36, {});
    juce::Graphics g (image);
    // The visible key is narrower than the picture: neighbouring layer keys overlap by 12 pixels.
    const juce::Rectangle<float> area (8.5f, 4.5f, 27.0f, 26.0f);
    if (on)
    {
        const auto frame = roundedBody (area.expanded (2.0f), 5.0f);
        softShadow (g, frame, wordYellow.withAlpha (0.8f), 5, {});
        g.setColour (wordYellow.withAlpha (0.9f));
        g.strokePath (frame, juce::PathStrokeType (1.5f));
    }
    drawKeyBody (g, area, 3.5f, darkKeyTop, darkKeyBottom);
    const auto text = placedText (juce::String (digit), boldFont (15.0f), area, juce::Justification::centred);
    if (on)
        drawGlowingWord (g, text, wordYellow);
    else
    {
        g.setColour (wordGrey);
        g.fillPath (text);
    }
    return image;
}

juce::Image stepKey (juce::Colour colour)
{
    juce::Image image (juce::Image::RGB, 35, 37, true);
    juce::Graphics g (image);
    g.fillAll (colour.darker (0.8f));

    const juce::Rectangle<float> cap (1.0f, 1.0f, 33.0f, 35.0f);
    g.setGradientFill (juce::ColourGradient (colour.brighter (0.25f), 0.0f, cap.getY(), colour.darker (0.3f), 0.0f,
                                             cap.getBottom(), false));
    g.fillRoundedRectangle (cap, 3.0f);

    // A shallow dish in the middle of the cap, lit from above.
    const auto dish = cap.reduced (4.0f).withTrimmedTop (8.0f);
    g.setGradientFill (juce::ColourGradient (colour.darker (0.18f), 0.0f, dish.getY(), colour.brighter (0.15f), 0.0f,
                                             dish.getBottom(), false));
    g.fillRoundedRectangle (dish, 3.0f);

    g.setColour (juce::Colours::white.withAlpha (0.45f));
    g.drawLine (3.0f, 1.6f, 32.0f, 1.6f, 1.0f);
    g.setColour (juce::Colours::black.withAlpha (0.35f));
    g.drawRoundedRectangle (cap, 3.0f, 1.0f);

    // The window behind the step's light (10 x 5 at 13, 7 of the key).
    const juce::Rectangle<float> window (12.0f, 6.0f, 12.0f, 7.0f);
    g.setColour (ledWindow);
    g.fillRoundedRectangle (window, 1.5f);
    g.setColour (juce::Colours::white.withAlpha (0.4f));
    g.drawLine (window.getX() + 1.0f, window.getBottom() + 0.5f, window.getRight() - 1.0f, window.getBottom() + 0.5f,
                1.0f);
    return image;
}

} // namespace gatevox::artwork
