#include "tools/artwork/Lettering.h"

#include "tools/artwork/Surface.h"

#include <cstdio>
#include <cstdlib>

namespace gatevox::artwork
{
namespace
{
const char* const boldFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

juce::Typeface::Ptr boldTypeface()
{
    static const juce::Typeface::Ptr typeface = []
    {
        juce::MemoryBlock data;
        if (!juce::File (boldFontFile).loadFileAsData (data))
        {
            std::fprintf (stderr, "gatevox_artwork: cannot read %s (Debian package fonts-dejavu-core)\n", boldFontFile);
            std::exit (1);
        }
        return juce::Typeface::createSystemTypefaceFor (data.getData(), data.getSize());
    }();
    return typeface;
}

// The outline of a line of text with extra space between letters (in pixels),
// its baseline at y = 0.
juce::Path textOutline (const juce::String& text, const juce::Font& font, float tracking = 0.0f)
{
    juce::GlyphArrangement glyphs;
    glyphs.addLineOfText (font, text, 0.0f, 0.0f);
    // Each glyph moves by the spacing of all the gaps before it.
    for (int i = 1; i < glyphs.getNumGlyphs(); ++i)
        glyphs.moveRangeOfGlyphs (i, -1, tracking, 0.0f);

    juce::Path outline;
    glyphs.createPath (outline);
    return outline;
}

float capitalHeight (const juce::Font& font)
{
    return textOutline ("H", font).getBounds().getHeight();
}
} // namespace

juce::Font boldFont (float height)
{
    return juce::Font (boldTypeface()).withHeight (height);
}

juce::Path placedText (const juce::String& text, const juce::Font& font, juce::Rectangle<float> area,
                       juce::Justification justification, float tracking)
{
    auto outline = textOutline (text, font, tracking);
    const auto ink = outline.getBounds();

    float left = area.getCentreX() - ink.getWidth() / 2.0f;
    if (justification.testFlags (juce::Justification::left))
        left = area.getX();
    else if (justification.testFlags (juce::Justification::right))
        left = area.getRight() - ink.getWidth();

    const float baseline = area.getCentreY() + capitalHeight (font) / 2.0f;
    outline.applyTransform (juce::AffineTransform::translation (left - ink.getX(), baseline));
    return outline;
}

void drawEngraved (juce::Graphics& g, const juce::Path& text, juce::Colour colour, float depth)
{
    g.setColour (juce::Colours::black.withAlpha (0.55f));
    g.fillPath (text, juce::AffineTransform::translation (0.0f, -depth));
    g.setColour (juce::Colours::white.withAlpha (0.22f));
    g.fillPath (text, juce::AffineTransform::translation (0.0f, depth));
    g.setColour (colour);
    g.fillPath (text);
}

void drawPrinted (juce::Graphics& g, const juce::Path& text, juce::Colour colour, juce::Colour shadow)
{
    softShadow (g, text, shadow, 3, {0, 1});
    g.setColour (colour);
    g.fillPath (text);
}

} // namespace gatevox::artwork
