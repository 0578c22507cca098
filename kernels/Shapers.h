#pragma once

#include "kernels/FilterSections.h"

namespace gatevox
{

struct StereoPair
{
    float left;
    float right;
};

// Two input and two output samples of one channel of the rectifier filter.
struct RectifierHistory
{
    float x1 = 0.0f;
    float x2 = 0.0f;
    float y1 = 0.0f;
    float y2 = 0.0f;
};

// The three waveshapers of one slot; every call shapes the left and the right
// sample together.
struct ShaperObject
{
    BiquadSection fuzzLeft; // fixed resonant pre-filter of the fuzz shaper
    BiquadSection fuzzRight;
    int grungeOwnerKey = 0;
    float fadeLeft = 1.0f; // quiet-passage fade of the grunge shaper
    float fadeRight = 1.0f;
    RectifierHistory rectifierLeft;
    RectifierHistory rectifierRight;
};

// Exponential shaper behind a fixed pre-filter, blended with its input by d.
[[nodiscard]] StereoPair fuzzShape (ShaperObject& shaper, float xL, float xR, float d) noexcept;

// Exponential-cosine shaper limited to +-limit; while both inputs are quiet
// the output fades by 0.9999 per sample.
[[nodiscard]] StereoPair grungeShape (ShaperObject& shaper, float xL, float xR, float limit, int ownerKey) noexcept;

// Fixed two-pole filter whose output takes the sign of the current input.
// When xL is not a number the sample is skipped: nothing is written, not even
// the history.
void rectifierFilter (ShaperObject& shaper, float xL, float xR, float& yL, float& yR) noexcept;

// Clears the pre-filter and rectifier histories; the fade gains keep their values.
void clearHistory (ShaperObject& shaper) noexcept;

} // namespace gatevox
