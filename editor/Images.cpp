#include "editor/Images.h"

#include <GatevoxImages.h>

#include <array>

namespace gatevox::images
{
namespace
{
struct Resource
{
    const char* data;
    int size;
};

juce::Image load (const Resource& resource)
{
    return juce::ImageCache::getFromMemory (resource.data, resource.size);
}

juce::Image either (bool second, const Resource& first, const Resource& other)
{
    return load (second ? other : first);
}

#define GATEVOX_RESOURCE(name)                                                                                         \
    Resource                                                                                                           \
    {                                                                                                                  \
        GatevoxImages::name, GatevoxImages::name##Size                                                                 \
    }

const std::array<Resource, 4> layerNormal{GATEVOX_RESOURCE (layer1_normal_png), GATEVOX_RESOURCE (layer2_normal_png),
                                          GATEVOX_RESOURCE (layer3_normal_png), GATEVOX_RESOURCE (layer4_normal_png)};
const std::array<Resource, 4> layerOn{GATEVOX_RESOURCE (layer1_on_png), GATEVOX_RESOURCE (layer2_on_png),
                                      GATEVOX_RESOURCE (layer3_on_png), GATEVOX_RESOURCE (layer4_on_png)};
const std::array<Resource, 5> stepKeys{GATEVOX_RESOURCE (step_fx1_jpg), GATEVOX_RESOURCE (step_fx2_jpg),
                                       GATEVOX_RESOURCE (step_fx3_jpg), GATEVOX_RESOURCE (step_fx4_jpg),
                                       GATEVOX_RESOURCE (step_fx5_jpg)};
} // namespace

juce::Image windowBackground()
{
    return load (GATEVOX_RESOURCE (window_background_jpg));
}

juce::Image resetKey (bool pressed)
{
    return either (pressed, GATEVOX_RESOURCE (reset_normal_png), GATEVOX_RESOURCE (reset_pressed_png));
}

juce::Image copyKey (bool pressed)
{
    return either (pressed, GATEVOX_RESOURCE (copy_normal_png), GATEVOX_RESOURCE (copy_pressed_png));
}

juce::Image pasteKey (bool pressed)
{
    return either (pressed, GATEVOX_RESOURCE (paste_normal_png), GATEVOX_RESOURCE (paste_pressed_png));
}

juce::Image fillKey (bool pressed)
{
    return either (pressed, GATEVOX_RESOURCE (fill_normal_jpg), GATEVOX_RESOURCE (fill_pressed_jpg));
}

juce::Image drawTool (bool on)
{
    return either (on, GATEVOX_RESOURCE (draw_normal_png), GATEVOX_RESOURCE (draw_on_png));
}

juce::Image deleteTool (bool on)
{
    return either (on, GATEVOX_RESOURCE (delete_normal_png), GATEVOX_RESOURCE (delete_on_png));
}

juce::Image layerKey (int layer, bool on)
{
    const auto index = (size_t)juce::jlimit (0, 3, layer);
    return load (on ? layerOn[index] : layerNormal[index]);
}

juce::Image stripBackground()
{
    return load (GATEVOX_RESOURCE (strip_background_jpg));
}

juce::Image stepKey (int slot)
{
    return load (stepKeys[(size_t)juce::jlimit (0, 4, slot)]);
}

juce::Image slotBackdrop()
{
    return load (GATEVOX_RESOURCE (slot_backdrop_png));
}

juce::Image previewScreen()
{
    return load (GATEVOX_RESOURCE (preview_screen_png));
}

juce::Image panelTexture()
{
    return load (GATEVOX_RESOURCE (panel_texture_jpg));
}

juce::Image filterEffectCaption()
{
    return load (GATEVOX_RESOURCE (filter_effect_caption_png));
}

juce::Image largeKnob()
{
    return load (GATEVOX_RESOURCE (knob_large_png));
}

juce::Image smallKnob()
{
    return load (GATEVOX_RESOURCE (knob_small_png));
}

juce::Image settingsBackground()
{
    return load (GATEVOX_RESOURCE (settings_background_png));
}

juce::Image settingsEmblem()
{
    return load (GATEVOX_RESOURCE (settings_emblem_png));
}

#undef GATEVOX_RESOURCE

} // namespace gatevox::images
