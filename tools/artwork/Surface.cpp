#include "tools/artwork/Surface.h"

namespace gatevox::artwork
{

juce::Image shadePixels (int width, int height, juce::Image::PixelFormat format,
                         const std::function<juce::Colour (int, int)>& shade)
{
    juce::Image image (format, width, height, true);
    juce::Image::BitmapData pixels (image, juce::Image::BitmapData::writeOnly);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.setPixelColour (x, y, shade (x, y));
    return image;
}

juce::Colour rgb (float red, float green, float blue, float alpha)
{
    return juce::Colour::fromFloatRGBA (juce::jlimit (0.0f, 1.0f, red), juce::jlimit (0.0f, 1.0f, green),
                                        juce::jlimit (0.0f, 1.0f, blue), juce::jlimit (0.0f, 1.0f, alpha));
}

void vignette (juce::Graphics& g, juce::Rectangle<float> area, float strength)
{
    const auto centre = area.getCentre();
    // The gradient reaches full strength a little beyond the corners.
    const float reach = 0.62f * std::hypot (area.getWidth(), area.getHeight());
    juce::ColourGradient fade (juce::Colours::transparentBlack, centre.x, centre.y,
                               juce::Colours::black.withAlpha (strength), centre.x + reach, centre.y, true);
    fade.addColour (0.55, juce::Colours::transparentBlack);
    g.setGradientFill (fade);
    g.fillRect (area);
}

void lightFromAbove (juce::Graphics& g, juce::Rectangle<float> area, float highlight, float shadow)
{
    juce::ColourGradient light (juce::Colours::white.withAlpha (highlight), area.getX(), area.getY(),
                                juce::Colours::black.withAlpha (shadow), area.getX(), area.getBottom(), false);
    light.addColour (0.45, juce::Colours::transparentBlack);
    g.setGradientFill (light);
    g.fillRect (area);
}

void softShadow (juce::Graphics& g, const juce::Path& shape, juce::Colour colour, int radius, juce::Point<int> offset)
{
    juce::DropShadow (colour, radius, offset).drawForPath (g, shape);
}

juce::Image resampledCrop (const juce::Image& source, juce::Rectangle<float> area, int width, int height)
{
    juce::Image result (juce::Image::RGB, width, height, true);
    juce::Graphics g (result);
    g.setImageResamplingQuality (juce::Graphics::highResamplingQuality);
    g.drawImageTransformed (source, juce::AffineTransform::translation (-area.getX(), -area.getY())
                                        .scaled (static_cast<float> (width) / area.getWidth(),
                                                 static_cast<float> (height) / area.getHeight()));
    return result;
}

} // namespace gatevox::artwork
