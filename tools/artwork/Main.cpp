#include "tools/artwork/Keys.h"
#include "tools/artwork/Knobs.h"
#include "tools/artwork/Panels.h"
#include "tools/artwork/Surface.h"
#include "tools/artwork/WindowBackground.h"
#include "tools/artwork/WindowLayout.h"

#include <cstdio>
#include <utility>
#include <vector>

// gatevox_artwork <folder>: draws every picture of the window into the folder as
// PNG and baseline JPEG. generate.sh then makes the JPEGs progressive and the
// slot backdrop a palette PNG.
namespace
{
using namespace gatevox::artwork;

// The keys of the window's opaque pictures carry the background behind them.
juce::Image backdropBehind (const juce::Image& background, juce::Rectangle<int> button)
{
    constexpr int width = 83;
    constexpr int height = 27;
    return resampledCrop (background, windowLayout::pictureArea (button, width, height), width, height);
}

bool write (const juce::File& folder, const juce::String& name, const juce::Image& image)
{
    const auto file = folder.getChildFile (name);
    file.deleteFile();
    juce::FileOutputStream out (file);
    if (!out.openedOk())
        return false;

    if (name.endsWith (".jpg"))
    {
        juce::JPEGImageFormat jpeg;
        jpeg.setQuality (0.93f);
        return jpeg.writeImageToStream (image, out);
    }
    juce::PNGImageFormat png;
    return png.writeImageToStream (image, out);
}
} // namespace

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf (stderr, "usage: gatevox_artwork <output folder>\n");
        return 2;
    }
    const juce::File folder (juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]));
    if (!folder.createDirectory())
    {
        std::fprintf (stderr, "gatevox_artwork: cannot create %s\n", argv[1]);
        return 1;
    }

    const auto background = windowBackground();
    const auto resetBackdrop = backdropBehind (background, windowLayout::resetButton);
    const auto copyBackdrop = backdropBehind (background, windowLayout::copyButton);
    const auto fillBackdrop = backdropBehind (background, windowLayout::fillButton);
    const juce::Colour stepColours[] = {juce::Colour (0xffd2d2c1), juce::Colour (0xff9a9a9a), juce::Colour (0xff1d901d),
                                        juce::Colour (0xffd6d94e), juce::Colour (0xffdc1414)};

    std::vector<std::pair<juce::String, juce::Image>> pictures{
        {"window_background.jpg", background},
        {"reset_normal.png", lightKey ("Reset", false, {})},
        {"reset_pressed.png", lightKey ("Reset", true, resetBackdrop)},
        {"copy_normal.png", lightKey ("Copy", false, copyBackdrop)},
        {"copy_pressed.png", lightKey ("Copy", true, copyBackdrop)},
        {"paste_normal.png", lightKey ("Paste", false, copyBackdrop)},
        {"paste_pressed.png", lightKey ("Paste", true, copyBackdrop)},
        {"fill_normal.jpg", darkButton ("Fill", false, fillBackdrop)},
        {"fill_pressed.jpg", darkButton ("Fill", true, fillBackdrop)},
        {"draw_normal.png", toolKey ("Draw", false)},
        {"draw_on.png", toolKey ("Draw", true)},
        {"delete_normal.png", toolKey ("Delete", false)},
        {"delete_on.png", toolKey ("Delete", true)},
        {"strip_background.jpg", stripBackground()},
        {"slot_backdrop.png", slotBackdrop()},
        {"preview_screen.png", previewScreen()},
        {"panel_texture.jpg", panelTexture()},
        {"filter_effect_caption.png", filterEffectCaption()},
        {"knob_large.png", largeKnob()},
        {"knob_small.png", smallKnob()},
        {"settings_background.png", settingsBackground()},
        {"settings_emblem.png", settingsEmblem()},
    };
    for (int layer = 1; layer <= 4; ++layer)
    {
        pictures.push_back ({"layer" + juce::String (layer) + "_normal.png", layerKey (layer, false)});
        pictures.push_back ({"layer" + juce::String (layer) + "_on.png", layerKey (layer, true)});
    }
    for (int slot = 1; slot <= 5; ++slot)
        pictures.push_back ({"step_fx" + juce::String (slot) + ".jpg", stepKey (stepColours[slot - 1])});

    for (const auto& [name, image] : pictures)
    {
        if (!write (folder, name, image))
        {
            std::fprintf (stderr, "gatevox_artwork: cannot write %s\n", name.toRawUTF8());
            return 1;
        }
    }
    std::printf ("gatevox_artwork: %zu pictures in %s\n", pictures.size(), folder.getFullPathName().toRawUTF8());
    return 0;
}
