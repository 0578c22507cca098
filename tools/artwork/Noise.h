#pragma once

#include <cstdint>

namespace gatevox::artwork
{

// Smooth value noise on an integer lattice. The same seed gives the same
// values on every run and every machine, so regenerated pictures are identical.
class Noise
{
public:
    explicit Noise (std::uint32_t seedValue) : seed (seedValue) {}

    // 0-1, smooth between lattice points one unit apart.
    [[nodiscard]] float at (float x, float y) const;

    // 0-1, octaves of halving size and weight summed and renormalised.
    [[nodiscard]] float fractal (float x, float y, int octaves) const;

    // 0-1, independent per integer point: grain for single pixels.
    [[nodiscard]] float grain (int x, int y) const;

private:
    std::uint32_t seed;
};

} // namespace gatevox::artwork
