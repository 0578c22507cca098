#include "kernels/FormantFilter.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstddef>
#include <limits>

namespace gatevox
{

namespace
{
constexpr double pi = 3.14159265358979323846;

[[nodiscard]] const VowelFormants& formantsOf (int vowel) noexcept
{
    return vowelTable[static_cast<std::size_t> (std::clamp (vowel, 0, static_cast<int> (vowelTable.size()) - 1))];
}

// The gain of the three sections (without the stage's gain) at w radians per sample.
[[nodiscard]] double cascadeGain (const std::array<VowelSection, 3>& sections, double w) noexcept
{
    const std::complex<double> z1 = std::polar (1.0, -w);
    double gain = 1.0;
    for (const auto& s : sections)
        gain /= std::abs (1.0 + s.a1 * z1 + s.a2 * z1 * z1);
    return gain;
}

// The cascade's largest gain. Each formant's resonance is looked for within
// four bandwidths of its pole angle (folded into 0 ... pi) by golden-section
// search; the band edges 0 and pi are candidates too.
[[nodiscard]] double cascadePeak (const std::array<VowelSection, 3>& sections, const VowelFormants& row,
                                  double fs) noexcept
{
    double peak = std::max (cascadeGain (sections, 0.0), cascadeGain (sections, pi));
    for (std::size_t i = 0; i < sections.size(); ++i)
    {
        const double frequency = row.frequency[i];
        const double bandwidth = row.bandwidth[i];
        const double centre = std::acos (std::cos (2.0 * pi * frequency / fs));
        const double reach = std::min (pi, 8.0 * pi * bandwidth / fs);
        constexpr double golden = 0.6180339887498949;
        double lo = std::max (0.0, centre - reach);
        double hi = std::min (pi, centre + reach);
        double a = hi - golden * (hi - lo);
        double b = lo + golden * (hi - lo);
        double atA = cascadeGain (sections, a);
        double atB = cascadeGain (sections, b);
        for (int step = 0; step < 40; ++step)
        {
            if (atA < atB)
            {
                lo = a, a = b, atA = atB;
                b = lo + golden * (hi - lo);
                atB = cascadeGain (sections, b);
            }
            else
            {
                hi = b, b = a, atB = atA;
                a = hi - golden * (hi - lo);
                atA = cascadeGain (sections, a);
            }
        }
        peak = std::max ({peak, cascadeGain (sections, centre), atA, atB});
    }
    return peak;
}
} // namespace

void designVowel (FormantFilter& filter, int vowel, float fs) noexcept
{
    const auto& row = formantsOf (vowel);
    const double rate = fs;

    std::array<VowelSection, 3> design = filter.sections;
    for (std::size_t i = 0; i < design.size(); ++i)
    {
        const double frequency = row.frequency[i];
        const double bandwidth = row.bandwidth[i];
        const double r = std::exp (-pi * bandwidth / rate);
        const double theta = 2.0 * pi * frequency / rate;
        design[i].a1 = -2.0 * r * std::cos (theta);
        design[i].a2 = r * r;
    }
    const double gain = 1.0 / cascadePeak (design, row, rate);

    bool usable = std::isfinite (gain) && gain > 0.0;
    for (const auto& s : design)
        usable = usable && std::isfinite (s.a1) && s.a2 >= 0.0 && s.a2 < 1.0;

    for (std::size_t i = 0; i < design.size(); ++i)
    {
        filter.sections[i].a1 = usable ? design[i].a1 : 0.0;
        filter.sections[i].a2 = usable ? design[i].a2 : 0.0;
    }
    filter.gain = usable ? gain : 1.0;
    filter.designedVowel = vowel;
}

float vowelStage (FormantFilter& filter, float b) noexcept
{
    double v = filter.gain * static_cast<double> (b);
    for (auto& s : filter.sections)
    {
        const double y = v - s.a1 * s.y1 - s.a2 * s.y2;
        s.y2 = s.y1;
        s.y1 = y;
        v = y;
    }

    if (!(std::abs (v) <= static_cast<double> (std::numeric_limits<float>::max())))
    {
        for (auto& s : filter.sections)
            s.y1 = s.y2 = 0.0;
        return 0.0f;
    }
    return static_cast<float> (v);
}

float formantProcess (FormantFilter& filter, float x, int vowel, float lfo, float mix, float fc, float fs,
                      const FormantFilter* firstChannel) noexcept
{
    if (std::isnan (x))
        return 0.0f;

    if (vowel != filter.designedVowel)
        designVowel (filter, vowel, fs);

    svfSet (filter.filter, fs, fc, svfMode::bandPass, 0.111f, 0.0f);
    const float v = vowelStage (filter, svfProcess (filter.filter, x));

    const auto& row = formantsOf (vowel);
    const float centre = row.frequency[0] * lfo + row.frequency[1];
    const float spread = centre * lfo * 1.67f;
    const float bandwidth = std::max (spread, 0.25f * centre);
    constexpr float q = 20.895985f;
    if (firstChannel != nullptr)
        adoptDesign (filter.pair, firstChannel->pair, centre, bandwidth, q, fs);
    const float f = bandPassPair (filter.pair, v, centre, bandwidth, q, 0.7071f, fs);

    peakRegisterPush (filter.normaliser, std::abs (f));
    const float h = 1.333f * f / std::max (filter.normaliser.peak, 1.0f);
    return (1.0f - mix) * x + mix * h;
}

} // namespace gatevox
