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

// One formant of the vowel stage: a second-order all-pole section
// y = x - a1 y[n - 1] - a2 y[n - 2], run in double precision.
struct VowelSection
{
    double a1 = 0.0;
    double a2 = 0.0;
    double y1 = 0.0;
    double y2 = 0.0;

    bool operator== (const VowelSection&) const = default;
};

// One channel of the formant filter: a resonant band-pass, the vowel stage,
// a band-pass pair whose centre follows the LFO, and a slow normaliser.
struct FormantFilter
{
    int designedVowel = noVowel;
    double gain = 1.0;                      // the vowel stage's input gain
    std::array<VowelSection, 3> sections{}; // one per formant; all pass at construction
    StateVariableFilter filter;
    BandPassPair pair;
    PeakRegister normaliser;
};

// Designs the vowel stage in double precision and records the vowel: section
// i holds the vowel's formant pole i and its conjugate at fs (a1 = -2 r cos
// theta, a2 = r^2 with r = exp(-pi B / fs), theta = 2 pi F / fs), and the gain
// makes the cascade's peak gain 1, so the stage never amplifies. The history
// is kept. A vowel outside the table is taken as the nearest one; a rate that
// gives no finite, stable design (not above 0) leaves the stage passing its
// input unchanged.
void designVowel (FormantFilter& filter, int vowel, float fs) noexcept;

// The vowel stage: the gain, then the three sections in turn. Its poles are
// the formant poles, so it resonates at the vowel's formants; each section is
// stable whatever the rate, since r < 1. A result that is not finite in single
// precision clears the history and comes out as 0.
[[nodiscard]] float vowelStage (FormantFilter& filter, float b) noexcept;

// One sample of one channel, blended with x by mix; 0 for an input that is
// not a number, with no state change. The second channel passes the first
// channel's filter, whose band-pass design it may take over.
[[nodiscard]] float formantProcess (FormantFilter& filter, float x, int vowel, float lfo, float mix, float fc, float fs,
                                    const FormantFilter* firstChannel = nullptr) noexcept;

} // namespace gatevox
