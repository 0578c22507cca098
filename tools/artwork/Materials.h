#pragma once

#include <juce_graphics/juce_graphics.h>

#include <cstdint>

namespace gatevox::artwork
{

// Opaque material textures, each drawn from noise with a fixed seed.

// Walnut-like wood with its grain running left to right: growth rings bent by
// turbulence, fine fibres and dark pores.
juce::Image woodGrain (int width, int height, std::uint32_t seed);

// Cast metal in grey-brown: large soft blotches, a finer mottle and grain.
juce::Image mottledMetal (int width, int height, std::uint32_t seed);

// Metal brushed left to right between a dark and a light tone.
juce::Image brushedMetal (int width, int height, std::uint32_t seed, juce::Colour dark, juce::Colour light);

// Grey stone: layered mottle with pits and flecks.
juce::Image stone (int width, int height, std::uint32_t seed);

// Metal brushed in circles about the centre of the picture, as a turned knob cap.
juce::Image spunMetal (int size, std::uint32_t seed);

} // namespace gatevox::artwork
