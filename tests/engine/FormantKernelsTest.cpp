#include "kernels/FormantBanks.h"
#include "kernels/KernelCatalogue.h"
#include "kernels/RealFft.h"
#include "kernels/ThreeToneModulator.h"
#include "tests/engine/KernelRig.h"
#include "tests/engine/SignalHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <memory>
#include <vector>

using namespace gatevox;

namespace
{
namespace p = kernelParam;
const float notANumber = std::numeric_limits<float>::quiet_NaN();

float noise (int i)
{
    unsigned x = static_cast<unsigned> (i) * 2654435761u + 777u;
    x ^= x >> 15;
    x *= 2246822519u;
    x ^= x >> 13;
    return static_cast<float> (x % 20001u) / 10000.0f - 1.0f;
}

// One channel of the formant filter written out step by step; the vowel
// stage's gain and sections come from the design, which is checked on its own
// below.
struct ReferenceFormant
{
    StateVariableFilter filter;
    double gain = 1.0;
    double a1[3]{}, a2[3]{}, past1[3]{}, past2[3]{};
    BandPassPair pair;
    float newest = 0.0f;
    float peak = 0.0f;

    ReferenceFormant (int vowel, float fs)
    {
        FormantFilter designed;
        designVowel (designed, vowel, fs);
        gain = designed.gain;
        for (std::size_t i = 0; i < 3; ++i)
            a1[i] = designed.sections[i].a1, a2[i] = designed.sections[i].a2;
    }

    float process (float x, int vowel, float lfo, float mix, float fc, float fs)
    {
        svfSet (filter, fs, fc, 3, 0.111f, 0.0f);
        const float b = svfProcess (filter, x);
        double u = gain * static_cast<double> (b);
        for (std::size_t i = 0; i < 3; ++i)
        {
            const double y = u - a1[i] * past1[i] - a2[i] * past2[i];
            past2[i] = past1[i];
            past1[i] = y;
            u = y;
        }
        const auto v = static_cast<float> (u);

        const auto& row = vowelTable[static_cast<std::size_t> (vowel)];
        const float d = row.frequency[0] * lfo + row.frequency[1];
        const float bw = std::max (d * lfo * 1.67f, 0.25f * d);
        const float f = bandPassPair (pair, v, d, bw, 20.895985f, 0.7071f, fs);
        if (std::abs (f) > peak)
            peak = newest, newest = std::abs (f);
        return (1.0f - mix) * x + mix * (1.333f * f / std::max (peak, 1.0f));
    }
};

// Steady-state gain of the vowel stage alone at f.
double stageGain (int vowel, double f, float fs)
{
    FormantFilter filter;
    designVowel (filter, vowel, fs);
    return std::abs (sineResponse ([&] (float x) { return vowelStage (filter, x); }, f, fs, 12000, 12000));
}

// The vowel stage's gain at the bins 0 ... n / 2 - 1 of the FFT of its
// impulse response, n samples at fs.
std::vector<double> stageSpectrum (int vowel, float fs, int n)
{
    FormantFilter filter;
    designVowel (filter, vowel, fs);
    std::vector<float> impulse (static_cast<std::size_t> (n)), spectrum (static_cast<std::size_t> (n));
    for (std::size_t i = 0; i < impulse.size(); ++i)
        impulse[i] = vowelStage (filter, i == 0 ? 1.0f : 0.0f);
    RealFft fft (n);
    fft.forward (impulse.data(), spectrum.data());
    std::vector<double> gain (static_cast<std::size_t> (n / 2));
    for (std::size_t k = 0; k < gain.size(); ++k)
        gain[k] = std::hypot (static_cast<double> (spectrum[k]), static_cast<double> (spectrum[k + gain.size()]));
    return gain;
}

// The vowel stage's six poles, the roots of each section's z^2 + a1 z + a2.
std::vector<std::complex<double>> stagePoles (const FormantFilter& filter)
{
    std::vector<std::complex<double>> poles;
    for (const auto& s : filter.sections)
    {
        const auto root = std::sqrt (std::complex<double> (s.a1 * s.a1 - 4.0 * s.a2));
        poles.push_back (0.5 * (-s.a1 + root));
        poles.push_back (0.5 * (-s.a1 - root));
    }
    return poles;
}

// The pair's limit as "FORMANT" shows it with the mix at 1: the kernel then
// gives 1.333 x 1.333 x the pair's output.
const float formantLimit = 1.333f * (1.333f * 1.0f);

// Sets slot 0 of the rig for "FORMANT" (or the AM variants, which take vowel 1).
void setFormant (KernelRig& rig, int vowel, float mix)
{
    rig.set (0, p::vowel, static_cast<float> (vowel) / 3.0f);
    rig.set (0, p::fc, 2000.0f);
    rig.set (0, p::mix, mix);
    rig.set (0, p::freq1, 2000.0f);
    rig.set (0, p::amount, 1.0f);
}
} // namespace

TEST (FormantFilter, VowelPolesAreTheFormantPolesInsideTheUnitCircle)
{
    for (const float fs : {8000.0f, 11025.0f, 22050.0f, 44100.0f, 48000.0f, 88200.0f, 96000.0f, 176400.0f, 192000.0f})
        for (int vowel = 0; vowel < 4; ++vowel)
        {
            FormantFilter filter;
            designVowel (filter, vowel, fs);
            EXPECT_EQ (filter.designedVowel, vowel);

            const auto poles = stagePoles (filter);
            ASSERT_EQ (poles.size(), 6u);
            for (const auto& pole : poles)
                EXPECT_LT (std::abs (pole), 1.0) << "vowel " << vowel << " at " << fs;

            const auto& row = vowelTable[static_cast<std::size_t> (vowel)];
            for (std::size_t i = 0; i < 3; ++i)
            {
                const double r = std::exp (-M_PI * static_cast<double> (row.bandwidth[i]) / static_cast<double> (fs));
                const double theta = 2.0 * M_PI * static_cast<double> (row.frequency[i]) / static_cast<double> (fs);
                double nearest = 1.0;
                for (const auto& pole : poles)
                    nearest = std::min (nearest, std::abs (pole - std::polar (r, theta)));
                EXPECT_LT (nearest, 1.0e-9) << "formant " << i << " of vowel " << vowel << " at " << fs;
            }
        }
}

TEST (FormantFilter, RatesWithoutAStableDesignLeaveTheStagePassing)
{
    for (const float fs : {0.0f, -48000.0f, notANumber, std::numeric_limits<float>::infinity()})
    {
        FormantFilter filter;
        designVowel (filter, 2, fs);
        EXPECT_EQ (filter.designedVowel, 2);
        EXPECT_EQ (filter.gain, 1.0) << fs;
        EXPECT_EQ (filter.sections, (std::array<VowelSection, 3>{})) << fs;
        EXPECT_EQ (vowelStage (filter, 0.25f), 0.25f) << fs;
        EXPECT_EQ (vowelStage (filter, -0.5f), -0.5f) << fs;
    }
}

TEST (FormantFilter, VowelStagePeaksAtUnityOnTheFormants)
{
    constexpr int n = 65536;
    for (const float fs : {44100.0f, 48000.0f, 96000.0f, 192000.0f})
        for (int vowel = 0; vowel < 4; ++vowel)
        {
            const auto gain = stageSpectrum (vowel, fs, n);
            const double binWidth = static_cast<double> (fs) / n;
            const double top = *std::max_element (gain.begin(), gain.end());
            EXPECT_LE (top, 1.0 + 1.0e-4) << "never amplifies: vowel " << vowel << " at " << fs;
            EXPECT_GE (top, 0.99) << "peaks at unity: vowel " << vowel << " at " << fs;

            // Each formant is a resonance: the largest gain within 8 % of it
            // lies within 0.5 % of it and is more than 1.5 times the gain 8 %
            // to either side.
            for (const float formant : vowelTable[static_cast<std::size_t> (vowel)].frequency)
            {
                const double f = formant;
                const auto bin = [&] (double hz) { return static_cast<std::size_t> (std::lround (hz / binWidth)); };
                std::size_t best = bin (0.92 * f);
                for (std::size_t k = best; k <= bin (1.08 * f); ++k)
                    if (gain[k] > gain[best])
                        best = k;
                EXPECT_NEAR (static_cast<double> (best) * binWidth, f, 0.005 * f) << "vowel " << vowel << " at " << fs;
                EXPECT_GT (gain[best], 1.5 * gain[bin (0.92 * f)]) << "vowel " << vowel << " " << f << " at " << fs;
                EXPECT_GT (gain[best], 1.5 * gain[bin (1.08 * f)]) << "vowel " << vowel << " " << f << " at " << fs;
            }
        }
}

TEST (FormantFilter, VowelStageResonatesAtTheFormantsAndDecays)
{
    for (const float fs : {44100.0f, 48000.0f})
        for (int vowel = 0; vowel < 4; ++vowel)
            for (const float formant : vowelTable[static_cast<std::size_t> (vowel)].frequency)
            {
                const double f = formant;
                double best = 0.0, bestAt = 0.0;
                for (int step = -10; step <= 10; ++step)
                {
                    const double probe = f * (1.0 + 0.005 * step);
                    if (const double g = stageGain (vowel, probe, fs); g > best)
                        best = g, bestAt = probe;
                }
                EXPECT_NEAR (bestAt, f, 0.01 * f) << "vowel " << vowel << " at " << fs;
                EXPECT_GT (best, 1.5 * stageGain (vowel, 0.92 * f, fs)) << vowel << " " << f;
                EXPECT_GT (best, 1.5 * stageGain (vowel, 1.08 * f, fs)) << vowel << " " << f;
            }

    for (const float fs : {1.0f, 8000.0f, 44100.0f, 48000.0f, 96000.0f, 192000.0f})
        for (int vowel = 0; vowel < 4; ++vowel)
        {
            FormantFilter filter;
            designVowel (filter, vowel, fs);
            double early = 0.0, late = 0.0;
            for (int n = 0; n < 200000; ++n)
            {
                const float y = vowelStage (filter, n == 0 ? 1.0f : 0.0f);
                ASSERT_TRUE (std::isfinite (y));
                (n < 2000 ? early : late) +=
                    n >= 190000 || n < 2000 ? static_cast<double> (y) * static_cast<double> (y) : 0.0;
            }
            EXPECT_LT (late, 1.0e-12 * early + 1.0e-30) << "stable at " << fs << ", vowel " << vowel;
        }
}

TEST (FormantFilter, BandPassFollowsTheLfoAndNonNumbersChangeNothing)
{
    constexpr float fs = 48000.0f;
    FormantFilter filter;
    (void)formantProcess (filter, 0.2f, 1, 0.0f, 0.5f, 1000.0f, fs);
    EXPECT_EQ (filter.pair.fc, 2976.0f);
    EXPECT_EQ (filter.pair.bandwidth, 744.0f);

    (void)formantProcess (filter, 0.2f, 1, 1.0f, 0.5f, 1000.0f, fs);
    EXPECT_EQ (filter.pair.fc, 679.0f + 2976.0f);
    EXPECT_FLOAT_EQ (filter.pair.bandwidth, (679.0f + 2976.0f) * 1.67f);

    (void)formantProcess (filter, 0.2f, 1, 0.1f, 0.5f, 1000.0f, fs);
    EXPECT_FLOAT_EQ (filter.pair.bandwidth, 0.25f * (0.1f * 679.0f + 2976.0f)) << "raised to a quarter of the centre";

    const auto before = filter;
    EXPECT_EQ (formantProcess (filter, notANumber, 3, 0.5f, 0.5f, 1000.0f, fs), 0.0f);
    EXPECT_EQ (filter.designedVowel, 1);
    EXPECT_EQ (filter.sections, before.sections);
    EXPECT_EQ (filter.filter.low, before.filter.low);
    EXPECT_EQ (filter.pair.output, before.pair.output);
    EXPECT_EQ (filter.normaliser.peak, before.normaliser.peak);

    FormantBanks banks;
    (void)formantProcess (banks.filter (3), 0.7f, 2, 0.5f, 0.5f, 1000.0f, fs);
    EXPECT_EQ (banks.filter (3).designedVowel, 2) << "designed before its first output";
    clearFormantMemories (banks);
    EXPECT_EQ (banks.filter (3).designedVowel, noVowel);
    EXPECT_EQ (banks.filter (3).sections, (std::array<VowelSection, 3>{}));
    EXPECT_EQ (banks.filter (3).pair.peak.peak, 0.0f);
    EXPECT_EQ (&banks.filter (99), &banks.filter (9));
}

TEST (FormantKernels, VowelComesFromTheRawValueInThirds)
{
    KernelRig rig;
    const std::pair<float, int> cases[] = {{0.0f, 0},    {0.333f, 0},      {1.0f / 3.0f, 1}, {0.5f, 1},
                                           {0.666f, 1},  {2.0f / 3.0f, 2}, {0.999f, 2},      {1.0f, 3},
                                           {1.0e30f, 3}, {-0.5f, 0},       {notANumber, 0}};
    for (const auto& [raw, vowel] : cases)
    {
        rig.set (2, p::vowel, raw);
        (void)rig.run (2, kernelId::formant, 0.1f, 0.1f, 0.5f);
        EXPECT_EQ (rig.banks().formants.filters[4].designedVowel, vowel) << raw;
        EXPECT_EQ (rig.banks().formants.filters[5].designedVowel, vowel) << raw;
    }

    rig.set (2, p::vowel, 1.0f);
    rig.model->kernelParams (2).factor.drainingRelease (p::vowel, 0.1f);
    (void)rig.run (2, kernelId::formant, 0.1f, 0.1f, 0.5f);
    EXPECT_EQ (rig.banks().formants.filters[4].designedVowel, 3) << "the modulation factor is ignored";
}

TEST (FormantKernels, FormantMatchesItsRecipeAtBothSweepEnds)
{
    constexpr int s = 3;
    for (const float lfo : {0.0f, 1.0f})
    {
        KernelRig rig;
        rig.set (s, p::vowel, 0.5f), rig.set (s, p::fc, 2500.0f), rig.set (s, p::mix, 0.6f);
        const float fc = lfo == 0.0f ? 333.0f : 2500.0f;
        ReferenceFormant left (1, rig.fs), right (1, rig.fs);
        for (int n = 0; n < 6000; ++n)
        {
            const float l = noise (n), r = 0.5f * noise (n + 31);
            const auto out = rig.run (s, kernelId::formant, l, r, lfo);
            const float el = 1.333f * left.process (l, 1, lfo, 0.6f, fc, rig.fs);
            const float er = 1.333f * right.process (r, 1, lfo, 0.6f, fc, rig.fs);
            ASSERT_NEAR (out.left, el, 1.0e-5f * std::max (1.0f, std::abs (el))) << lfo << " " << n;
            ASSERT_NEAR (out.right, er, 1.0e-5f * std::max (1.0f, std::abs (er))) << lfo << " " << n;
        }
    }

    KernelRig rig;
    rig.set (0, p::fc, 100.0f), rig.set (0, p::mix, 0.0f);
    for (int n = 0; n < 100; ++n)
        ASSERT_EQ (rig.run (0, kernelId::formant, noise (n), 0.25f, 0.7f).left, 1.333f * noise (n))
            << "dry scaled by 1.333";
    EXPECT_EQ (rig.run (0, kernelId::formant, notANumber, notANumber, 0.7f).left, 0.0f);
}

TEST (FormantKernels, ModulatedFormantsMatchTheirRecipes)
{
    constexpr int s = 1;
    constexpr float fc = 1800.0f, freq1 = 3000.0f, amount = 0.8f, mix = 0.7f;
    for (const int id : {kernelId::formantAmDsb, kernelId::formantAmSsb})
        for (const float lfo : {0.0f, 1.0f})
        {
            KernelRig rig;
            rig.set (s, p::fc, fc), rig.set (s, p::freq1, freq1), rig.set (s, p::amount, amount),
                rig.set (s, p::mix, mix);
            rig.set (s, p::vowel, 1.0f); // not read: these kernels always use vowel 1
            const float tuned = lfo == 0.0f ? 333.0f : fc;
            ReferenceFormant left (1, rig.fs), right (1, rig.fs);
            auto modulator = std::make_unique<ModulatorObject> (rig.banks().modulator (s));
            StateVariableFilter lowPasses[2];
            for (int n = 0; n < 4000; ++n)
            {
                const float l = noise (n), r = -0.5f * noise (n + 5);
                const auto out = rig.run (s, id, l, r, lfo);
                const StereoPair f{left.process (l, 1, lfo, mix, tuned, rig.fs),
                                   right.process (r, 1, lfo, mix, tuned, rig.fs)};
                auto u = threeToneProcess (*modulator, f.left, f.right, freq1, amount, rig.fs, id);
                if (id == kernelId::formantAmSsb)
                    for (auto* ch : {&u.left, &u.right})
                    {
                        auto& lp = lowPasses[ch == &u.left ? 0 : 1];
                        svfSet (lp, rig.fs, tuned, svfMode::lowPass, 1.7071f, 1.0f);
                        *ch = svfProcess (lp, *ch);
                    }
                const float el = mix * 1.333f * u.left + (1.0f - mix) * f.left;
                const float er = mix * 1.333f * u.right + (1.0f - mix) * f.right;
                ASSERT_NEAR (out.left, el, 1.0e-5f * std::max (1.0f, std::abs (el))) << id << " " << lfo << " " << n;
                ASSERT_NEAR (out.right, er, 1.0e-5f * std::max (1.0f, std::abs (er))) << id << " " << lfo << " " << n;
            }
            EXPECT_EQ (rig.banks().formants.filters[2 * s].designedVowel, 1);
            EXPECT_EQ (rig.banks().modulator (s).ownerKey, id);
        }
}

TEST (FormantKernels, AbsurdParametersStayFiniteAndBounded)
{
    const float inf = std::numeric_limits<float>::infinity();
    const int ids[] = {kernelId::formant, kernelId::formantAmDsb, kernelId::formantAmSsb};
    for (const double rate : {1.0, 44100.0, 192000.0})
    {
        KernelRig rig (rate);
        for (const float v : {1.0e30f, -1.0e30f, inf, -inf, notANumber, -7.0f, 0.0f})
        {
            for (int s = 0; s < numSlots; ++s)
                for (std::size_t k = 0; k < numKernelParams; ++k)
                    rig.set (s, k, v);
            for (const int id : ids)
                for (int s = 0; s < numSlots; ++s)
                    for (int n = 0; n < 16; ++n)
                        (void)rig.run (s, id, noise (n), -noise (n), 0.7f);

            // With a sane blend "FORMANT" is bounded by its normaliser, and
            // nothing is left poisoned for sane settings afterwards.
            for (int s = 0; s < numSlots; ++s)
                rig.set (s, p::mix, 0.5f);
            for (int n = 0; n < 64; ++n)
            {
                const auto out = rig.run (n % numSlots, kernelId::formant, noise (n), -noise (n), 0.4f);
                const float bound = 1.333f * (0.5f * std::abs (noise (n)) + 0.5f * 1.333f) + 1.0e-5f;
                ASSERT_LE (std::abs (out.left), bound) << v << " " << rate;
                ASSERT_LE (std::abs (out.right), bound) << v << " " << rate;
            }
            for (int s = 0; s < numSlots; ++s)
                rig.set (s, p::fc, 1000.0f), rig.set (s, p::freq1, 2000.0f), rig.set (s, p::amount, 0.5f),
                    rig.set (s, p::vowel, 0.5f);
            for (const int id : ids)
                for (int n = 0; n < 64; ++n)
                {
                    const auto out = rig.run (n % numSlots, id, noise (n), -noise (n), 0.4f);
                    ASSERT_TRUE (std::isfinite (out.left) && std::isfinite (out.right))
                        << id << " " << v << " " << rate;
                }
        }
    }
}

TEST (FormantKernels, NoiseAt26DbBelowFullScaleStaysOffTheLimiter)
{
    for (const double rate : {8000.0, 44100.0, 48000.0, 96000.0, 192000.0})
    {
        KernelRig rig (rate);
        const int count = static_cast<int> (rate / 2);
        for (int vowel = 0; vowel < 4; ++vowel)
            for (const float lfo : {0.0f, 0.5f, 1.0f})
            {
                clearFormantMemories (rig.banks().formants);
                setFormant (rig, vowel, 1.0f);
                int atLimit = 0;
                double in = 0.0, out = 0.0;
                for (int n = 0; n < count; ++n)
                {
                    const float l = 0.05f * noise (n), r = 0.05f * noise (n + 99991);
                    const auto y = rig.run (0, kernelId::formant, l, r, lfo);
                    atLimit += (std::abs (y.left) >= formantLimit) + (std::abs (y.right) >= formantLimit);
                    in += static_cast<double> (l * l + r * r);
                    out += static_cast<double> (y.left * y.left + y.right * y.right);
                }
                ASSERT_EQ (rig.banks().formants.filters[0].designedVowel, vowel);
                EXPECT_LE (atLimit, count / 50)
                    << "1 % of both channels: vowel " << vowel << " lfo " << lfo << " at " << rate;
                EXPECT_GT (out, 1.0e-4 * in)
                    << "the vowel still sounds: vowel " << vowel << " lfo " << lfo << " at " << rate;
            }
    }
}

TEST (FormantKernels, QuietNoiseLeavesTheRegistersAtOneAtEveryRate)
{
    const std::pair<int, int> runs[] = {{kernelId::formant, 0},      {kernelId::formant, 1},
                                        {kernelId::formant, 2},      {kernelId::formant, 3},
                                        {kernelId::formantAmDsb, 1}, {kernelId::formantAmSsb, 1}};
    for (const double rate : {8000.0, 11025.0, 44100.0, 96000.0, 192000.0})
    {
        KernelRig rig (rate);
        for (const auto& [id, vowel] : runs)
            for (const float lfo : {0.0f, 1.0f})
            {
                clearFormantMemories (rig.banks().formants);
                setFormant (rig, vowel, 0.7f);
                for (int n = 0; n < static_cast<int> (rate / 4); ++n)
                    (void)rig.run (0, id, 0.05f * noise (n), 0.05f * noise (n + 99991), lfo);
                for (const int object : {0, 1})
                {
                    const auto& filter = rig.banks().formants.filters[static_cast<std::size_t> (object)];
                    EXPECT_EQ (filter.designedVowel, vowel);
                    EXPECT_LE (filter.pair.peak.peak, 1.0f)
                        << id << " vowel " << vowel << " lfo " << lfo << " at " << rate;
                    EXPECT_LE (filter.normaliser.peak, 1.0f) << id << " vowel " << vowel << " at " << rate;
                    EXPECT_LE (filter.pair.lower, filter.pair.half - filter.pair.q) << id << " at " << rate;
                }
            }
    }
}

TEST (FormantKernels, PairsRecoverAfterAbsurdSettings)
{
    const float inf = std::numeric_limits<float>::infinity();
    const int ids[] = {kernelId::formant, kernelId::formantAmDsb, kernelId::formantAmSsb};
    for (const double rate : {44100.0, 192000.0})
        for (const float v : {1.0e30f, -1.0e30f, inf})
        {
            KernelRig rig (rate);
            for (std::size_t k = 0; k < numKernelParams; ++k)
                rig.set (0, k, v);
            for (const int id : ids)
                for (int n = 0; n < 256; ++n)
                    (void)rig.run (0, id, noise (n), -noise (n), 0.7f);

            setFormant (rig, 1, 0.7f);
            for (const int id : ids)
                for (int n = 0; n < static_cast<int> (rate); ++n)
                    (void)rig.run (0, id, 0.05f * noise (n), 0.05f * noise (n + 99991), 0.4f);
            for (const int object : {0, 1})
            {
                const auto& pair = rig.banks().formants.filters[static_cast<std::size_t> (object)].pair;
                EXPECT_FALSE (pair.recovering) << v << " at " << rate;
                EXPECT_LE (pair.peak.peak, 1.0f) << v << " at " << rate;
            }
        }
}
