#include "tools/artwork/Materials.h"

#include "tools/artwork/Noise.h"
#include "tools/artwork/Surface.h"

#include <cmath>

namespace gatevox::artwork
{
namespace
{
constexpr float pi = juce::MathConstants<float>::pi;

juce::Colour blend (juce::Colour a, juce::Colour b, float t)
{
    return a.interpolatedWith (b, juce::jlimit (0.0f, 1.0f, t));
}

juce::Colour scaled (juce::Colour c, float factor)
{
    return rgb (c.getFloatRed() * factor, c.getFloatGreen() * factor, c.getFloatBlue() * factor);
}
} // namespace

juce::Image woodGrain (int width, int height, std::uint32_t seed)
{
    const Noise warp (seed);
    const Noise fibres (seed + 1);
    const Noise figure (seed + 2);
    const juce::Colour earlyWood (0xff8a5a36);
    const juce::Colour lateWood (0xff4a2a17);
    const juce::Colour figureTone (0xffa8713f);

    const auto shade = [&] (int x, int y)
    {
        const float fx = static_cast<float> (x);
        const float fy = static_cast<float> (y);
        // Rings: horizontal bands about 11 pixels apart, bent by slow turbulence and
        // a long sway, their spacing drifting along the board.
        const float bend = 46.0f * warp.fractal (fx / 260.0f, fy / 60.0f, 4) + 7.0f * std::sin (fx / 150.0f);
        const float ring = (fy + bend) / 11.0f + 2.5f * figure.fractal (fx / 500.0f + 9.0f, fy / 90.0f, 2);
        const float phase = ring - std::floor (ring);
        // Late wood is a narrow dark band; early wood fades into it.
        const float late = std::pow (0.5f + 0.5f * std::cos (2.0f * pi * phase), 6.0f);
        // Fibres: noise stretched a hundredfold along the grain.
        const float fibre = fibres.fractal (fx / 90.0f, fy / 0.9f, 3) - 0.5f;
        // Pores: rare dark dashes along the grain.
        const float pore = fibres.at (fx / 7.0f + 300.0f, fy / 0.6f) > 0.86f ? 0.78f : 1.0f;
        const float glow = figure.fractal (fx / 120.0f, fy / 40.0f, 3);

        auto colour = blend (earlyWood, figureTone, (glow - 0.4f) * 1.6f);
        colour = blend (colour, lateWood, 0.75f * late + 0.25f * warp.at (fx / 40.0f, fy / 3.0f));
        return scaled (colour, (1.0f + 0.22f * fibre) * pore);
    };
    return shadePixels (width, height, juce::Image::RGB, shade);
}

juce::Image mottledMetal (int width, int height, std::uint32_t seed)
{
    const Noise blotch (seed);
    const Noise mottle (seed + 1);
    const Noise tint (seed + 2);
    const juce::Colour grey (0xff5f5d59);
    const juce::Colour brown (0xff66553f);
    const juce::Colour dark (0xff34322f);

    const auto shade = [&] (int x, int y)
    {
        const float fx = static_cast<float> (x);
        const float fy = static_cast<float> (y);
        const float large = blotch.fractal (fx / 110.0f, fy / 110.0f, 5);
        const float fine = mottle.fractal (fx / 9.0f, fy / 9.0f, 3);
        const float spots = mottle.fractal (fx / 3.0f + 91.0f, fy / 3.0f, 2);
        // A faint brushing left to right under the mottle.
        const float brushing = blotch.at (fx / 60.0f + 700.0f, fy / 0.8f) - 0.5f;
        auto colour = blend (grey, brown, (tint.fractal (fx / 170.0f, fy / 170.0f, 3) - 0.3f) * 1.8f);
        colour = blend (colour, dark, 1.6f * (0.55f - large));
        const float grain = blotch.grain (x, y) - 0.5f;
        const float pit = spots < 0.24f ? 0.86f : 1.0f;
        return scaled (colour, (0.88f + 0.26f * fine + 0.07f * grain + 0.1f * brushing) * pit);
    };
    return shadePixels (width, height, juce::Image::RGB, shade);
}

juce::Image brushedMetal (int width, int height, std::uint32_t seed, juce::Colour dark, juce::Colour light)
{
    const Noise streaks (seed);
    const Noise sheen (seed + 1);

    const auto shade = [&] (int x, int y)
    {
        const float fx = static_cast<float> (x);
        const float fy = static_cast<float> (y);
        // Brush strokes: long along x, a pixel or two across.
        const float stroke = streaks.fractal (fx / 160.0f, fy / 1.3f, 4);
        const float scratch = streaks.at (fx / 40.0f + 500.0f, fy / 0.7f);
        const float cloud = sheen.fractal (fx / 200.0f, fy / 70.0f, 3);
        const float tone = 0.25f + 0.5f * cloud + 0.35f * (stroke - 0.5f) + 0.15f * (scratch - 0.5f);
        const float grain = 0.04f * (streaks.grain (x, y) - 0.5f);
        return scaled (blend (dark, light, tone), 1.0f + grain);
    };
    return shadePixels (width, height, juce::Image::RGB, shade);
}

juce::Image stone (int width, int height, std::uint32_t seed)
{
    const Noise body (seed);
    const Noise flecks (seed + 1);
    const juce::Colour deep (0xff3b3b3c);
    const juce::Colour pale (0xff8a8a87);

    const auto shade = [&] (int x, int y)
    {
        const float fx = static_cast<float> (x);
        const float fy = static_cast<float> (y);
        const float layer = body.fractal (fx / 60.0f, fy / 45.0f, 6);
        // Veins run where a second noise crosses its middle value.
        const float veins = std::abs (body.fractal (fx / 30.0f + 40.0f, fy / 30.0f, 4) - 0.5f);
        const float fleck = flecks.at (fx / 1.7f, fy / 1.7f);
        float tone = 0.2f + 0.9f * (layer - 0.3f) + (veins < 0.03f ? -0.12f : 0.0f);
        tone += fleck > 0.82f ? 0.14f : (fleck < 0.12f ? -0.12f : 0.0f);
        const float grain = 0.06f * (flecks.grain (x, y) - 0.5f);
        return scaled (blend (deep, pale, tone), 1.0f + grain);
    };
    return shadePixels (width, height, juce::Image::RGB, shade);
}

juce::Image spunMetal (int size, std::uint32_t seed)
{
    const Noise rings (seed);
    const float centre = 0.5f * static_cast<float> (size);

    const auto shade = [&] (int x, int y)
    {
        const float dx = static_cast<float> (x) + 0.5f - centre;
        const float dy = static_cast<float> (y) + 0.5f - centre;
        const float radius = std::hypot (dx, dy);
        const float angle = std::atan2 (dy, dx);
        // Turning marks: fine rings that vary slowly around the circle.
        const float mark = rings.fractal (radius * 1.6f, 3.0f * (angle + pi), 3) - 0.5f;
        // Light on a turned surface gathers in a cone: two bright sectors opposite each other.
        const float cone = std::pow (std::abs (std::cos (angle + 0.9f)), 3.0f);
        const float tone = 0.62f + 0.28f * cone + 0.22f * mark;
        return rgb (tone * 0.97f, tone * 0.98f, tone);
    };
    return shadePixels (size, size, juce::Image::RGB, shade);
}

} // namespace gatevox::artwork
