#include "tests/editor/Snapshot.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
// A pixel differs when one of its channels is off by more than this.
constexpr int channelTolerance = 24;
// The share of pixels that may differ.
constexpr double differingShare = 0.002;

bool updatingReferences()
{
    const char* update = std::getenv ("GATEVOX_UPDATE_SNAPSHOTS");
    return update != nullptr && juce::String (update) == "1";
}

bool writePng (const juce::Image& image, const juce::File& file)
{
    file.getParentDirectory().createDirectory();
    file.deleteFile();
    juce::FileOutputStream out (file);
    return out.openedOk() && juce::PNGImageFormat().writeImageToStream (image, out);
}

int largestChannelDifference (juce::Colour a, juce::Colour b)
{
    return juce::jmax (std::abs (a.getRed() - b.getRed()), std::abs (a.getGreen() - b.getGreen()),
                       std::abs (a.getBlue() - b.getBlue()), std::abs (a.getAlpha() - b.getAlpha()));
}
} // namespace

void expectLooksLikeReference (juce::Component& component, const juce::String& name)
{
    // Which control has the keyboard focus depends on the X server's focus.
    juce::Component::unfocusAllComponents();
    const auto image = component.createComponentSnapshot (component.getLocalBounds(), true, 1.0f)
                           .convertedToFormat (juce::Image::ARGB);
    const auto fileName = name + ".png";
    ASSERT_TRUE (writePng (image, juce::File (GATEVOX_SNAPSHOT_FOLDER).getChildFile (fileName)));

    const auto referenceFile = juce::File (GATEVOX_REFERENCE_FOLDER).getChildFile (fileName);
    if (updatingReferences())
    {
        ASSERT_TRUE (writePng (image, referenceFile));
        return;
    }

    const auto reference = juce::ImageFileFormat::loadFrom (referenceFile).convertedToFormat (juce::Image::ARGB);
    ASSERT_TRUE (reference.isValid()) << "no reference " << referenceFile.getFullPathName();
    ASSERT_EQ (reference.getBounds(), image.getBounds());

    int differing = 0;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (largestChannelDifference (image.getPixelAt (x, y), reference.getPixelAt (x, y)) > channelTolerance)
                ++differing;
    const double pixels = image.getWidth() * image.getHeight();
    EXPECT_LE (differing, differingShare * pixels) << name << " differs from its reference in " << differing
                                                   << " pixels; see " GATEVOX_SNAPSHOT_FOLDER "/" << fileName;
}
