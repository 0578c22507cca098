#include "kernels/FormantFilter.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstddef>

namespace gatevox
{

namespace
{
constexpr float pi = 3.14159265f;

[[nodiscard]] const VowelFormants& formantsOf (int vowel) noexcept
{
    return vowelTable[static_cast<std::size_t> (std::clamp (vowel, 0, static_cast<int> (vowelTable.size()) - 1))];
}
} // namespace

void designVowel (FormantFilter& filter, int vowel, float fs) noexcept
{
    const auto& row = formantsOf (vowel);

    std::array<std::complex<float>, 6> poles{};
    for (std::size_t i = 0; i < 3; ++i)
    {
        const float r = std::exp (-pi * row.bandwidth[i] / fs);
        const float theta = 2.0f * pi * row.frequency[i] / fs;
        poles[i] = {r * std::cos (theta), r * std::sin (theta)};
        poles[i + 3] = std::conj (poles[i]);
    }

    // Multiply in one root at a time: a holds the coefficients from the
    // highest power down.
    std::array<std::complex<float>, 7> a{};
    a[0] = 1.0f;
    for (std::size_t n = 0; n < poles.size(); ++n)
        for (std::size_t k = n + 1; k > 0; --k)
            a[k] -= poles[n] * a[k - 1];

    for (std::size_t k = 0; k < a.size(); ++k)
        filter.weights[k] = a[k].real();
    filter.designedVowel = vowel;
}

float vowelStage (FormantFilter& filter, float b) noexcept
{
    auto& h = filter.history;
    float v = filter.weights[0] * b;
    for (std::size_t k = 0; k < h.size(); ++k)
        v -= filter.weights[k + 1] * h[k];

    if (!std::isfinite (v))
    {
        h.fill (0.0f);
        return 0.0f;
    }
    std::copy_backward (h.begin(), h.end() - 1, h.end());
    h[0] = v;
    return v;
}

float formantProcess (FormantFilter& filter, float x, int vowel, float lfo, float mix, float fc, float fs) noexcept
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
    const float f = bandPassPair (filter.pair, v, centre, bandwidth, 20.895985f, 0.7071f, fs);

    peakRegisterPush (filter.normaliser, std::abs (f));
    const float h = 1.333f * f / std::max (filter.normaliser.peak, 1.0f);
    return (1.0f - mix) * x + mix * h;
}

} // namespace gatevox
