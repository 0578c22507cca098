#include "tools/artwork/Noise.h"

#include <cmath>

namespace gatevox::artwork
{
namespace
{
std::uint32_t hash (int x, int y, std::uint32_t seed)
{
    auto h = seed ^ (static_cast<std::uint32_t> (x) * 0x27d4eb2du) ^ (static_cast<std::uint32_t> (y) * 0x165667b1u);
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

float smooth (float t)
{
    return t * t * (3.0f - 2.0f * t);
}

float mix (float a, float b, float t)
{
    return a + (b - a) * t;
}
} // namespace

float Noise::grain (int x, int y) const
{
    return static_cast<float> (hash (x, y, seed) & 0xffffffu) / static_cast<float> (0xffffff);
}

float Noise::at (float x, float y) const
{
    const float cellX = std::floor (x);
    const float cellY = std::floor (y);
    const int ix = static_cast<int> (cellX);
    const int iy = static_cast<int> (cellY);
    const float tx = smooth (x - cellX);
    const float ty = smooth (y - cellY);
    return mix (mix (grain (ix, iy), grain (ix + 1, iy), tx), mix (grain (ix, iy + 1), grain (ix + 1, iy + 1), tx), ty);
}

float Noise::fractal (float x, float y, int octaves) const
{
    float sum = 0.0f;
    float weight = 1.0f;
    float total = 0.0f;
    for (int octave = 0; octave < octaves; ++octave)
    {
        // Each octave is shifted so that lattice points of different octaves do not line up.
        const float offset = 17.31f * static_cast<float> (octave);
        sum += weight * at (x + offset, y - offset);
        total += weight;
        x *= 2.0f;
        y *= 2.0f;
        weight *= 0.5f;
    }
    return sum / total;
}

} // namespace gatevox::artwork
