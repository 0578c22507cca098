#include "tools/artwork/WindowLayout.h"

namespace gatevox::artwork::windowLayout
{

juce::Rectangle<float> pictureArea (juce::Rectangle<int> button, int pictureWidth, int pictureHeight)
{
    const auto bounds = button.toFloat();
    const float scale = juce::jmin (bounds.getWidth() / static_cast<float> (pictureWidth),
                                    bounds.getHeight() / static_cast<float> (pictureHeight));
    return bounds.withSizeKeepingCentre (scale * static_cast<float> (pictureWidth),
                                         scale * static_cast<float> (pictureHeight));
}

} // namespace gatevox::artwork::windowLayout
