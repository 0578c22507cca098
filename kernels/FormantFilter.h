#pragma once

#include "kernels/FilterSections.h"

#include <array>

namespace gatevox
{

// Formant frequencies and bandwidths of one vowel, in hertz.
struct VowelFormants
{
    std::array<float, 3> frequency;
    std::array<float, 3> bandwidth;
};

inline constexpr std::array<VowelFormants, 4> vowelTable{{
    {{948.0f, 4696.0f, 5600.0f}, {60.0f, 82.0f, 135.0f}},
    {{679.0f, 2976.0f, 5247.0f}, {64.0f, 100.0f, 160.0f}},
    {{1080.0f, 2792.0f, 6174.0f}, {50.0f, 102.0f, 132.0f}},
    {{1256.0f, 4321.0f, 7078.0f}, {99.0f, 120.0f, 120.0f}},
}};

inline constexpr int noVowel = -1;

// One channel of the formant filter: a resonant band-pass, the vowel stage,
// a band-pass pair whose centre follows the LFO, and a slow normaliser.
struct FormantFilter
{
    int designedVowel = noVowel;
    std::array<float, 7> weights{}; // A(z) from z^6 down to z^0; weights[0] = 1
    std::array<float, 6> history{}; // the stage's own outputs, newest first
    StateVariableFilter filter;
    BandPassPair pair;
    PeakRegister normaliser;
};

// Sets the weights to the coefficients of the polynomial whose roots are the
// vowel's three formant poles and their conjugates, at fs; records the vowel.
// A vowel outside the table is taken as the nearest one.
void designVowel (FormantFilter& filter, int vowel, float fs) noexcept;

// The all-pole vowel stage 1 / A(z): v = b - sum of w_k v[n - k]. Its poles
// are the formant poles, so it resonates at the vowel's formants. A result
// that is not finite clears the history and comes out as 0.
[[nodiscard]] float vowelStage (FormantFilter& filter, float b) noexcept;

// One sample of one channel, blended with x by mix; 0 for an input that is
// not a number, with no state change.
[[nodiscard]] float formantProcess (FormantFilter& filter, float x, int vowel, float lfo, float mix, float fc,
                                    float fs) noexcept;

} // namespace gatevox
