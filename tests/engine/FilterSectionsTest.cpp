#include "kernels/FilterBanks.h"
#include "tests/engine/SignalHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace gatevox;

namespace
{
constexpr float fs = 48000.0f;
constexpr double rate = 48000.0;
const float notANumber = std::numeric_limits<float>::quiet_NaN();

// Gain of a fresh section at f, measured on a unit sine.
double measuredSectionGain (const BiquadCoefficients& c, double f)
{
    BiquadSection section;
    return std::abs (sineResponse ([&] (float x) { return biquadProcess (section, x, c, 0); }, f, rate));
}
} // namespace

TEST (BiquadSection, NewOwnerKeyStartsFromZeroHistory)
{
    const auto c = designLowPass (fs / 4.0f, 0.7071f, fs);
    BiquadSection section;
    section.x1 = 0.4f;
    section.y2 = -0.2f;
    EXPECT_EQ (biquadProcess (section, 1.0f, c, 7), c.b0);
    EXPECT_EQ (section.ownerKey, 7);
    EXPECT_EQ (biquadProcess (section, 0.0f, c, 7), c.b1 - c.a1 * c.b0);

    // Same key: the history carries on; another key clears it again.
    EXPECT_NE (biquadProcess (section, 1.0f, c, 7), c.b0);
    EXPECT_EQ (biquadProcess (section, 1.0f, c, 0), c.b0);
}

TEST (BiquadDesigns, MatchTheTextbookSecondOrderSections)
{
    for (const double fc : {100.0, 1000.0, 9000.0})
        for (const double q : {0.5, 0.7071, 1.414})
        {
            const double w = 2.0 * M_PI * fc / rate, alpha = std::sin (w) / (2.0 * q), a0 = 1.0 + alpha;
            const auto lp = designLowPass (static_cast<float> (fc), static_cast<float> (q), fs);
            const auto hp = designHighPass (static_cast<float> (fc), static_cast<float> (q), fs);
            EXPECT_EQ (lp.a0, 1.0f);
            EXPECT_NEAR (lp.a1, -2.0 * std::cos (w) / a0, 1e-5);
            EXPECT_NEAR (lp.a2, (1.0 - alpha) / a0, 1e-5);
            EXPECT_NEAR (lp.b1, (1.0 - std::cos (w)) / a0, 1e-5);
            EXPECT_EQ (lp.b0, lp.b2);
            EXPECT_NEAR (hp.b1, -(1.0 + std::cos (w)) / a0, 1e-5);
            EXPECT_EQ (hp.a1, lp.a1);

            // By measurement: unit gain in the pass band, Q at the corner.
            EXPECT_NEAR (measuredSectionGain (lp, fc * 0.05), 1.0, 0.01);
            EXPECT_NEAR (measuredSectionGain (lp, fc), q, 0.01 * q);
            EXPECT_NEAR (measuredSectionGain (hp, fc), q, 0.01 * q);
        }
}

TEST (BiquadDesigns, PeakingIsFlatAtUnitGainAndReachesGAtItsCentre)
{
    const auto flat = designPeak (2500.0f, 1.0f, 1000.0f, fs);
    EXPECT_EQ (flat.b0, flat.a0);
    EXPECT_EQ (flat.b1, flat.a1);
    EXPECT_EQ (flat.b2, flat.a2);

    // The 3.1412 prewarp puts the centre at fc x 3.1412 / pi.
    for (const double g : {-6.0, 6.0, 24.0})
    {
        const auto c = designPeak (6000.0f, static_cast<float> (g), 1000.0f, fs);
        const double centre = 6000.0 * 3.1412 / M_PI;
        EXPECT_NEAR (measuredSectionGain (c, centre), std::abs (g), 0.01 * std::abs (g));
        EXPECT_NEAR (measuredSectionGain (c, 1000.0), 1.0, 0.01);
    }
}

TEST (StateVariableFilter, PlainStepFollowsTheRecursionInEveryMode)
{
    for (int mode = 0; mode <= 6; ++mode)
    {
        StateVariableFilter filter;
        float low = 0.0f, band = 0.0f;
        for (int i = 0; i < 300; ++i)
        {
            const float x = std::sin (0.05f * static_cast<float> (i)) + 0.3f * std::sin (1.7f * static_cast<float> (i));
            svfSet (filter, fs, 1200.0f, mode, 0.6f, 1.0f);
            low = low + filter.f * band;
            const float high = x - low - 0.6f * band;
            band = filter.f * high + band;
            const float expected[] = {0.0f, low, high, band, low + high, low - high, 0.0f};
            ASSERT_EQ (svfProcess (filter, x), expected[mode]) << mode << " " << i;
        }
        EXPECT_NEAR (filter.f, 2.0 * std::sin (M_PI * 1200.0 / (2.0 * rate)), 1e-7);

        // Not a number gives 0 and leaves the state alone, in both variants.
        const auto before = filter;
        EXPECT_EQ (svfProcess (filter, notANumber) + svfProcessShaped (filter, notANumber), 0.0f);
        EXPECT_TRUE (filter.low == before.low && filter.band == before.band && filter.silence == before.silence);
    }
}

TEST (StateVariableFilter, DecaysFromThe1026thZeroAfterATone)
{
    StateVariableFilter filter;
    svfSet (filter, fs, 800.0f, svfMode::bandPass, 0.2f, 0.0f);
    for (int i = 0; i < 500; ++i)
        (void)svfProcess (filter, std::sin (0.1f * static_cast<float> (i)));

    // Reference: the same filter with its silence count reset, decayed by hand.
    for (int zero = 1; zero <= 1030; ++zero)
    {
        StateVariableFilter reference = filter;
        reference.silence = 0;
        if (zero >= 1026)
        {
            reference.band *= 0.100000024f;
            reference.low *= 0.100000024f;
        }
        ASSERT_EQ (svfProcess (filter, 0.0f), svfProcess (reference, 0.0f)) << zero;
        ASSERT_EQ (filter.low, reference.low) << zero;
    }
    EXPECT_NE (filter.band, 0.0f);
}

TEST (StateVariableFilter, ShapedSettlesAtThreeQuartersOfAConstant)
{
    StateVariableFilter filter;
    float y = 0.0f;
    for (int i = 0; i < 20000; ++i)
    {
        svfSet (filter, fs, 1000.0f, svfMode::lowPass, 0.5f, 0.0f);
        y = svfProcessShaped (filter, 1.0f);
    }
    EXPECT_NEAR (y, 0.75f, 1e-5f);

    // A long silence zeroes the band state on every sample.
    for (int i = 0; i < 1030; ++i)
        (void)svfProcessShaped (filter, 0.0f);
    EXPECT_LT (std::abs (filter.band), 1e-3f);
}

TEST (GentleLowPass, PassesDcBlocksHalfTheRateAndClearsOnANewKey)
{
    GentleLowPass filter;
    float y = 0.0f;
    for (int i = 0; i < 200; ++i)
        y = gentleLowPass (filter, 1.0f, 8);
    EXPECT_NEAR (y, 1.0f, 1e-5f);

    for (int i = 0; i < 200; ++i)
        y = gentleLowPass (filter, (i % 2 == 0) ? 1.0f : -1.0f, 8);
    EXPECT_LT (std::abs (y), 1e-3f);

    EXPECT_EQ (gentleLowPass (filter, 1.0f, 15), 0.91884f);
    EXPECT_EQ (filter.ownerKey, 15);
}

TEST (TwoPoleResonator, FollowsItsRecursionAndRetunesOnlyOnChange)
{
    TwoPoleResonator resonator;
    resonatorFollow (resonator, 3000.0f, 0.9f, fs);
    EXPECT_FLOAT_EQ (resonator.c, static_cast<float> (std::cos (2.0 * M_PI * 3000.0 / rate)));

    const float rc = 0.9f * resonator.c;
    float x1 = 0.0f, y1 = 0.0f, y2 = 0.0f;
    for (int i = 0; i < 50; ++i)
    {
        const float x = i == 0 ? 1.0f : 0.0f;
        const float y = x - rc * x1 + 2.0f * 0.9f * resonator.c * y1 - 0.9f * 0.9f * y2;
        ASSERT_EQ (resonatorProcess (resonator, x), 0.7f * y);
        y2 = y1, y1 = y, x1 = x;
    }

    resonator.c = 0.5f; // marks whether the next follow retunes
    resonatorFollow (resonator, 3000.00001f, 0.9f, fs);
    EXPECT_EQ (resonator.c, 0.5f);
    resonatorFollow (resonator, notANumber, 0.9f, fs);
    EXPECT_EQ (resonator.c, 0.5f);
    resonatorFollow (resonator, 3000.0f, 0.91f, fs);
    EXPECT_NE (resonator.c, 0.5f);
}

TEST (BandPassPair, EdgesStayInsideTheirLimits)
{
    BandPassPair pair;
    (void)bandPassPair (pair, 0.1f, 1.0f, 2000.0f, 3.0f, 1.0f, fs);
    EXPECT_EQ (pair.lower, 10.0f);
    EXPECT_EQ (pair.half, 24000.0f);

    (void)bandPassPair (pair, 0.1f, 23000.0f, 2000.0f, 12.0f, 1.0f, fs);
    EXPECT_EQ (pair.upper, 24000.0f - 12.0f);
    EXPECT_NEAR (pair.lower, std::sqrt (1000.0 * 1000.0 + 23000.0 * 23000.0) - 1000.0, 0.01);

    // Unchanged settings (within 1e-7) keep the design; not a number changes nothing.
    pair.lowPassCoefficients.b0 = 42.0f;
    (void)bandPassPair (pair, 0.1f, 23000.0f, 2000.0f, 12.0f, 1.0f, fs);
    EXPECT_EQ (bandPassPair (pair, notANumber, 2000.0f, 500.0f, 3.0f, 0.9f, fs), 0.0f);
    EXPECT_EQ (pair.lowPassCoefficients.b0, 42.0f);
}

TEST (BandPassPair, NormalisesByALaggingPeakAndLimitsToOne)
{
    BandPassPair pair;
    for (int i = 0; i < 4000; ++i)
    {
        const float x = 40.0f * std::sin (0.27f * static_cast<float> (i));
        const float y = bandPassPair (pair, x, 2000.0f, 500.0f, 3.0f, 0.9f, fs);
        ASSERT_LE (std::abs (y), 1.0f);
        ASSERT_EQ (y,
                   std::clamp ((1.0f - 0.9f) * x + pair.output / std::max (pair.peak.peak, 1.0f) * 0.9f, -1.0f, 1.0f));
    }
    EXPECT_GT (pair.peak.peak, 1.0f);
    EXPECT_EQ (pair.peak.history[5], pair.peak.peak);

    // The register takes the previous newest value, not the new magnitude, so
    // it falls when a smaller newest value is pushed out.
    PeakRegister r;
    for (const float m : {1.0f, 3.0f, 2.0f, 2.5f})
        peakRegisterPush (r, m);
    EXPECT_EQ (r.peak, 3.0f) << "2.5 does not exceed 3";
    peakRegisterPush (r, 5.0f);
    EXPECT_TRUE (r.peak == 2.0f && r.newest == 5.0f);
}

TEST (BandPassPair, LowerEdgeStaysBelowHalfTheRate)
{
    // At 8 kHz a formant centre of 4696 Hz puts the lower edge above half the
    // rate, where the low-pass would diverge; it is held at half - Q instead.
    constexpr float low = 8000.0f, q = 20.895985f;
    BandPassPair pair;
    float largest = 0.0f;
    for (int i = 0; i < 80000; ++i)
    {
        (void)bandPassPair (pair, i == 0 ? 1.0f : 0.0f, 4696.0f, 1174.0f, q, 0.7071f, low);
        largest = std::max (largest, std::abs (pair.output));
    }
    EXPECT_EQ (pair.lower, 4000.0f - q);
    EXPECT_EQ (pair.upper, 4000.0f - q);
    EXPECT_LT (largest, 1000.0f);
    EXPECT_LT (pair.lowPassCoefficients.a2, 1.0f);
    EXPECT_LT (std::abs (pair.output), 1.0e-6f) << "the impulse response dies away";
    EXPECT_FALSE (pair.recovering);

    // Edges already below the limit are designed as before.
    BandPassPair usual;
    (void)bandPassPair (usual, 0.1f, 2000.0f, 500.0f, 3.0f, 1.0f, fs);
    EXPECT_EQ (usual.lower, std::sqrt (0.25f * 500.0f * 500.0f + 2000.0f * 2000.0f) - 0.5f * 500.0f);
    EXPECT_EQ (usual.upper, usual.lower + 500.0f);
}

TEST (BandPassPair, RegisterRecoversAfterABlowUp)
{
    // Two blow-ups: a design that diverges (a negative Q) and a burst of
    // absurd input. Afterwards both pairs take a -20 dBFS tone at the centre
    // beside a pair that never blew up.
    for (const int scenario : {0, 1})
    {
        BandPassPair pair;
        for (int i = 0; i < 2000; ++i)
        {
            const float x = scenario == 0 ? 0.1f * std::sin (0.3f * static_cast<float> (i)) : (i < 50 ? 1.0e30f : 0.0f);
            (void)bandPassPair (pair, x, 2000.0f, 500.0f, scenario == 0 ? -1.0f : 3.0f, 0.9f, fs);
            ASSERT_LE (pair.peak.peak, BandPassPair::blowUpLevel) << scenario << " " << i;
            ASSERT_LE (std::abs (pair.output), BandPassPair::blowUpLevel) << scenario << " " << i;
        }
        EXPECT_TRUE (pair.recovering) << scenario;

        BandPassPair fresh;
        int recoveredAt = -1;
        float worst = 0.0f;
        for (int i = 0; i < 48000; ++i)
        {
            const auto x = static_cast<float> (0.1 * std::sin (2.0 * M_PI * 2000.0 * i / rate));
            const float y = bandPassPair (pair, x, 2000.0f, 500.0f, 3.0f, 0.9f, fs);
            const float expected = bandPassPair (fresh, x, 2000.0f, 500.0f, 3.0f, 0.9f, fs);
            if (recoveredAt < 0 && !pair.recovering)
                recoveredAt = i;
            if (i >= 36000)
                worst = std::max (worst, std::abs (y - expected));
        }
        // From the blow-up level 1e5 down to 1 at 0.999 per sample: 11,508 samples.
        EXPECT_GE (recoveredAt, 0) << scenario;
        EXPECT_LE (recoveredAt, 11508) << scenario;
        EXPECT_EQ (pair.peak.peak, fresh.peak.peak) << scenario;
        EXPECT_LT (worst, 1.0e-4f) << "sounds as if it had never blown up: " << scenario;
    }
}

TEST (FilterMemories, ClearHistoriesButKeepKeysAndFades)
{
    auto banks = std::make_unique<FilterBanks>();
    const auto c = designLowPass (1000.0f, 1.0f, fs);
    for (int i = 0; i < FilterBanks::biquadCount; ++i)
        (void)biquadProcess (banks->biquad (i), 0.5f, c, 19);
    for (int i = 0; i < FilterBanks::objectCount; ++i)
    {
        (void)svfProcess (banks->filter (i), 0.5f);
        auto& shaper = banks->shaper (i);
        (void)fuzzShape (shaper, 0.5f, 0.5f, 1.0f);
        (void)grungeShape (shaper, 0.0f, 0.0f, 0.7f, 46);
        float l = 0.0f, r = 0.0f;
        rectifierFilter (shaper, 0.5f, 0.5f, l, r);
    }

    clearFilterMemories (*banks);
    for (const auto& s : banks->biquads)
        EXPECT_TRUE (s.x1 == 0.0f && s.y1 == 0.0f && s.ownerKey == 19);
    for (const auto& f : banks->filters)
        EXPECT_TRUE (f.low == 0.0f && f.band == 0.0f);
    for (const auto& s : banks->shapers)
        EXPECT_TRUE (s.fuzzLeft.x1 == 0.0f && s.rectifierRight.x1 == 0.0f && s.fadeLeft == 0.9999f);

    // Out-of-range indices land on the nearest object.
    EXPECT_EQ (&banks->biquad (40), &banks->biquads[39]);
    EXPECT_EQ (&banks->shaper (-3), &banks->shapers[0]);
}

TEST (FilterRecovery, AbsurdTuningsDoNotLeaveSectionsStuck)
{
    constexpr float fs = 48000.0f;
    const float absurd[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(), 1.0e30f,
                            -1.0e30f};
    for (const float bad : absurd)
    {
        BiquadSection biquad;
        for (int i = 0; i < 4; ++i)
            (void)biquadProcess (biquad, 0.5f, designLowPass (bad, 0.7f, fs), 2);
        EXPECT_TRUE (std::isfinite (biquadProcess (biquad, 0.5f, designLowPass (1000.0f, 0.7f, fs), 2))) << bad;

        StateVariableFilter filter;
        svfSet (filter, fs, bad, svfMode::lowPass, 0.5f, 0.0f);
        for (int i = 0; i < 4; ++i)
            (void)svfProcess (filter, 0.5f);
        svfSet (filter, fs, 1000.0f, svfMode::lowPass, 0.5f, 0.0f);
        EXPECT_TRUE (std::isfinite (svfProcess (filter, 0.5f))) << bad;

        BandPassPair pair;
        for (int i = 0; i < 4; ++i)
            (void)bandPassPair (pair, 0.5f, bad, 500.0f, 3.0f, 1.0f, fs);
        float y = 0.0f;
        for (int i = 0; i < 4; ++i)
            y = bandPassPair (pair, 0.5f, 2000.0f, 500.0f, 3.0f, 1.0f, fs);
        EXPECT_TRUE (std::isfinite (y)) << bad;
    }
}
