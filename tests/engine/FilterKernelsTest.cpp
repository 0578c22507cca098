#include "kernels/FilterKernels.h"
#include "kernels/KernelCatalogue.h"
#include "tests/engine/KernelRig.h"
#include "tests/engine/SignalHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>

using namespace gatevox;
namespace p = kernelParam;

namespace
{
const float notANumber = std::numeric_limits<float>::quiet_NaN();

// Unit sine at f on the left channel, silence on the right; returns the
// left output's complex gain (real part negative when it is inverted).
std::complex<double> responseAt (KernelRig& rig, int s, int kernel, double f, float lfo)
{
    return sineResponse ([&] (float x) { return rig.run (s, kernel, x, 0.0f, lfo).left; }, f, rig.fs);
}

double gainAt (KernelRig& rig, int s, int kernel, double f, float lfo)
{
    return std::abs (responseAt (rig, s, kernel, f, lfo));
}

float signal (int i)
{
    return 0.6f * std::sin (0.031f * static_cast<float> (i)) + 0.3f * std::sin (1.3f * static_cast<float> (i));
}

// Loud and quiet passages in turn, so the grunge shaper's fade takes part.
float passages (int i)
{
    const float level = (i / 150) % 2 == 0 ? 0.8f : 0.001f;
    return level * std::sin (0.043f * static_cast<float> (i)) + 0.1f * level * std::sin (1.1f * static_cast<float> (i));
}

struct BiquadKernel
{
    int id;
    bool highPass;
    int base; // first section of slot s is base x s
    bool cascade;
    int key;
};

constexpr BiquadKernel biquadKernels[] = {
    {kernelId::lpf12dB, false, 7, false, 0},
    {kernelId::lpf24dB, false, 4, true, 0},
    {kernelId::hpf12dB, true, 7, false, kernelId::hpf12dB},
    {kernelId::hpf24dB, true, 7, true, kernelId::hpf24dB},
};
} // namespace

TEST (BiquadKernels, SweepFromFcDownToFcTimesFminThroughTheirSections)
{
    for (const auto& k : biquadKernels)
        for (const float lfo : {0.0f, 0.37f, 1.0f})
        {
            KernelRig rig;
            const int s = 3;
            rig.set (s, p::fc, 2000.0f), rig.set (s, p::fmin, 0.1f), rig.set (s, p::q, 1.2f), rig.set (s, p::mix, 0.8f);

            const float fc =
                k.highPass ? 2000.0f - (2000.0f - 0.1f * 2000.0f) * lfo : 2000.0f - (1.0f - 0.1f) * 2000.0f * lfo;
            const auto c = k.highPass ? designHighPass (fc, 1.2f, rig.fs) : designLowPass (fc, 1.2f, rig.fs);
            BiquadSection reference[4];
            for (int i = 0; i < 200; ++i)
            {
                const float l = signal (i), r = -signal (i + 9);
                float wetL = biquadProcess (reference[0], l, c, k.key);
                float wetR = biquadProcess (reference[2], r, c, k.key);
                if (k.cascade)
                    wetL = biquadProcess (reference[1], wetL, c, k.key),
                    wetR = biquadProcess (reference[3], wetR, c, k.key);
                const auto out = rig.run (s, k.id, l, r, lfo);
                ASSERT_EQ (out.left, blend (l, wetL, 0.8f)) << k.id << " " << lfo << " " << i;
                ASSERT_EQ (out.right, blend (r, wetR, 0.8f)) << k.id << " " << lfo << " " << i;
            }
            const int last = k.base * s + (k.cascade ? 3 : 1);
            EXPECT_EQ (rig.banks().filters.biquads[static_cast<std::size_t> (last)].ownerKey, k.key);
        }
}

TEST (BiquadKernels, MeasuredGainIsQAtTheCornerPerSection)
{
    for (const auto& k : biquadKernels)
    {
        KernelRig rig;
        rig.set (0, p::fc, 4000.0f), rig.set (0, p::fmin, 0.1f), rig.set (0, p::q, 1.414f), rig.set (0, p::mix, 1.0f);
        const double atCorner = k.cascade ? 1.414 * 1.414 : 1.414;
        EXPECT_NEAR (gainAt (rig, 0, k.id, 4000.0, 0.0f), atCorner, 0.02 * atCorner) << k.id;
        EXPECT_NEAR (gainAt (rig, 0, k.id, 400.0, 1.0f), atCorner, 0.02 * atCorner) << k.id;
        EXPECT_NEAR (gainAt (rig, 0, k.id, k.highPass ? 20000.0 : 100.0, 0.0f), 1.0, 0.02) << k.id;
    }
}

TEST (BiquadKernels, NeighbouringSlotsShareSectionsUnlessTheKeyDiffers)
{
    KernelRig rig;
    for (const int s : {1, 2})
        rig.set (s, p::fc, 3000.0f), rig.set (s, p::q, 1.0f), rig.set (s, p::mix, 1.0f);

    // Slot 1's "LPF 12dB" right section is 8, the first of slot 2's "LPF 24dB".
    const auto& shared = rig.banks().filters.biquads[8];
    for (int i = 0; i < 10; ++i)
        (void)rig.run (2, kernelId::lpf24dB, 0.5f, signal (i), 0.0f);
    (void)rig.run (1, kernelId::lpf12dB, 0.1f, 0.25f, 0.0f);
    EXPECT_EQ (shared.x2, 0.5f) << "same owner key: history shared";

    (void)rig.run (1, kernelId::hpf12dB, 0.1f, 0.25f, 0.0f);
    EXPECT_EQ (shared.x2, 0.0f) << "another key clears it";
    EXPECT_EQ (shared.ownerKey, kernelId::hpf12dB);
}

// The envelope can take Fc to 0 or a hair below it. There the designs put
// the poles on or beyond z = 1, where a section ramped the slope it held, or
// grew without bound; now it filters at a few hertz and, once the switch from
// 3 kHz has died away, stays within the input's range.
TEST (BiquadKernels, CutoffAtOrBelowZeroHertzSettles)
{
    for (const int kernel : {kernelId::lpf12dB, kernelId::lpf24dB, kernelId::hpf12dB, kernelId::hpf24dB})
        for (const float fc : {0.0f, -3.0f})
        {
            KernelRig rig (96000.0);
            rig.set (0, p::q, 1.414f), rig.set (0, p::mix, 1.0f), rig.set (0, p::fmin, 1.0f);
            rig.set (0, p::fc, 3000.0f);
            for (int i = 0; i < 100; ++i)
                (void)rig.run (0, kernel, signal (i), signal (i + 7));
            rig.set (0, p::fc, fc);
            float peak = 0.0f;
            for (int i = 0; i < 48000; ++i)
            {
                const auto out = rig.run (0, kernel, 0.5f * signal (i), 0.5f * signal (i + 3));
                if (i >= 36000)
                    peak = std::max ({peak, std::abs (out.left), std::abs (out.right)});
            }
            EXPECT_LT (peak, 1.0f) << kernelNameOfId (kernel) << " at " << fc << " Hz";
        }
}

TEST (BiquadKernels, NotANumberPassesOnItsOwnChannelOnly)
{
    KernelRig rig;
    rig.set (0, p::fc, 3000.0f), rig.set (0, p::q, 1.0f), rig.set (0, p::mix, 1.0f);
    const auto out = rig.run (0, kernelId::lpf12dB, notANumber, 0.5f, 0.0f);
    EXPECT_TRUE (std::isnan (out.left));
    EXPECT_EQ (out.right, designLowPass (3000.0f, 1.0f, rig.fs).b0 * 0.5f);
}

TEST (PeakingKernels, NotchInvertsSixfoldAtItsCentreAndPeakBiquadReadsRawValues)
{
    KernelRig rig;
    rig.set (0, p::fc, 6000.0f), rig.set (0, p::fmin, 0.2f), rig.set (0, p::mix, 1.0f);
    const double centre = 6000.0 * 3.1412 / M_PI;
    EXPECT_NEAR (responseAt (rig, 0, kernelId::notch, centre, 0.0f).real(), -6.0, 0.06);
    EXPECT_NEAR (gainAt (rig, 0, kernelId::notch, 500.0, 0.0f), 1.0, 0.02);

    // Gain 1 is transparent, and the envelope's factor reaches neither Fc nor Gain.
    rig.set (1, p::fc, 1120.0f), rig.set (1, p::fmin, 0.2795f), rig.set (1, p::gain, 1.0f), rig.set (1, p::mix, 1.0f);
    for (int i = 0; i < 100; ++i)
        ASSERT_NEAR (rig.run (1, kernelId::peakBiquad, signal (i), signal (i + 3), 0.5f).left, signal (i), 1e-5f);

    rig.set (1, p::gain, 6.0f);
    rig.model->kernelParams (1).factor.drainingRelease (p::fc, 0.5f);
    rig.model->kernelParams (1).factor.drainingRelease (p::gain, 0.25f);
    EXPECT_NEAR (gainAt (rig, 1, kernelId::peakBiquad, 1120.0 * 3.1412 / M_PI, 0.0f), 6.0, 0.06);
}

TEST (StateVariableKernels, MatchTheirFilterSettingsAndMixes)
{
    struct Case
    {
        int id, mode;
        float q, k;
        float fcAt[2]; // at lfo 0 and 1
    };
    const Case cases[] = {
        {kernelId::lpfSvf1, svfMode::lowPass, 0.8f, 1.0f, {5000.0f, 5000.0f - (1.0f - 0.3f) * 5000.0f}},
        {kernelId::hpfSvf1,
         svfMode::highPass,
         1.5f - 1.5f * 0.6f,
         0.111f,
         {5000.0f, 5000.0f - (5000.0f - 0.3f * 5000.0f)}},
        {kernelId::peakSvf, svfMode::peak, 0.8f, 1.0f, {0.0f, 5000.0f}},
        {kernelId::bpfSvf1, svfMode::bandPass, 0.8f, 0.0f, {0.0f, 5000.0f}}};

    for (const auto& c : cases)
        for (const int end : {0, 1})
        {
            const auto lfo = static_cast<float> (end);
            KernelRig rig;
            rig.set (4, p::fc, 5000.0f), rig.set (4, p::fmin, 0.3f), rig.set (4, p::q, 0.8f), rig.set (4, p::res, 0.6f);
            rig.set (4, p::mix, 0.7f);
            StateVariableFilter left, right;
            for (int i = 0; i < 200; ++i)
            {
                svfSet (left, rig.fs, c.fcAt[end], c.mode, c.q, c.k);
                svfSet (right, rig.fs, c.fcAt[end], c.mode, c.q, c.k);
                const float l = signal (i), r = i % 7 == 3 ? notANumber : signal (i + 5);
                const float wetL = svfProcess (left, l), wetR = svfProcess (right, r);
                const auto out = rig.run (4, c.id, l, r, lfo);
                ASSERT_EQ (out.left, blend (l, wetL, 0.7f)) << c.id << " " << lfo << " " << i;
                if (!std::isnan (r))
                {
                    ASSERT_EQ (out.right, blend (r, wetR, 0.7f)) << c.id << " " << lfo << " " << i;
                }
            }
            EXPECT_EQ (rig.banks().filters.filters[9].band, right.band);
        }

    // At lfo 0 "PEAK SVF" from rest outputs -x and "BPF SVF1" its frozen band state.
    KernelRig rig;
    rig.set (0, p::fc, 5000.0f), rig.set (0, p::q, 0.36f), rig.set (0, p::mix, 1.0f);
    EXPECT_EQ (rig.run (0, kernelId::peakSvf, 0.5f, -0.25f, 0.0f).left, -0.5f);
    rig.banks().filters.filters[0].band = 0.125f;
    EXPECT_EQ (rig.run (0, kernelId::bpfSvf1, 0.5f, 0.0f, 0.0f).left, 0.125f);
}

TEST (BandPassAndResonatorKernels, ThinStaysWithinOneAndResonatorRetunesOnlyWhenItMoves)
{
    KernelRig rig;
    rig.set (2, p::fc, 2000.0f), rig.set (2, p::bw, 500.0f), rig.set (2, p::q, 3.0f), rig.set (2, p::mix, 0.9071f);
    for (int i = 0; i < 3000; ++i)
    {
        const auto out = rig.run (2, kernelId::bpfThin, 30.0f * signal (i), -0.01f * signal (i),
                                  0.5f + 0.5f * std::sin (0.001f * static_cast<float> (i)));
        ASSERT_LE (std::abs (out.left), 1.0f);
        ASSERT_LE (std::abs (out.right), 1.0f);
    }
    EXPECT_NE (rig.banks().filters.bandPasses[4].peak.peak, rig.banks().filters.bandPasses[5].peak.peak)
        << "a pair per channel";
    EXPECT_EQ (rig.run (2, kernelId::bpfThin, notANumber, notANumber, 0.5f).left, 0.0f);

    rig.set (3, p::freq1, 3000.0f), rig.set (3, p::freq2, 3000.0f), rig.set (3, p::q, 0.9f), rig.set (3, p::mix, 1.0f);
    (void)rig.run (3, kernelId::resonator, 1.0f, 1.0f, 0.2f);
    auto& left = rig.banks().filters.resonators[6];
    left.c = 0.25f; // marks a retune
    (void)rig.run (3, kernelId::resonator, 0.0f, 0.0f, 0.9f);
    EXPECT_EQ (left.c, 0.25f);
    rig.set (3, p::freq2, 9000.0f);
    (void)rig.run (3, kernelId::resonator, 0.0f, 0.0f, 0.5f);
    EXPECT_EQ (left.frequency, 6000.0f);
}

TEST (FilterKernels, AbsurdParametersStayInsideTheBanksAndPrepareToPlayRecovers)
{
    const int kernels[] = {2, 3, 4, 5, 6, 11, 12, 13, 18, 19, 22, 26, 27, 28, 31, 32, 33, 34, 45, 46, 47};
    const float inf = std::numeric_limits<float>::infinity();
    for (const double rate : {1.0, 44100.0, 192000.0})
        for (const float v : {1.0e30f, -1.0e30f, inf, -inf, notANumber, -7.0f, 0.0f})
        {
            KernelRig rig (rate);
            for (int s = 0; s < numSlots; ++s)
                for (std::size_t k = 0; k < numKernelParams; ++k)
                    rig.set (s, k, v);
            for (const int kernel : kernels)
                for (int s = 0; s < numSlots; ++s)
                    for (int i = 0; i < 8; ++i)
                    {
                        const auto out = rig.run (s, kernel, signal (i), -signal (i), 0.7f);
                        if (kernel == kernelId::bpfThin)
                        {
                            ASSERT_FALSE (std::abs (out.left) > 1.0f || std::abs (out.right) > 1.0f) << v;
                        }
                    }

            // The cleared banks come back with sane settings.
            rig.model->prepareToPlay (48000.0);
            rig.fs = 48000.0f;
            for (const int kernel : {2, 3, 4, 5, 6, 11, 12, 13, 18, 19, 22, 26, 27, 28, 32, 45, 46, 47})
            {
                rig.set (0, p::fc, 1000.0f), rig.set (0, p::fmin, 0.5f), rig.set (0, p::q, 0.7f),
                    rig.set (0, p::res, 0.5f);
                rig.set (0, p::gain, 2.0f), rig.set (0, p::drive, 0.5f), rig.set (0, p::mix, 0.5f);
                const auto out = rig.run (0, kernel, 0.5f, -0.5f, 0.3f);
                ASSERT_TRUE (std::isfinite (out.left) && std::isfinite (out.right))
                    << kernel << " " << v << " " << rate;
            }
        }
}

TEST (FilterKernels, OtherIdsAreLeftToTheirFamilies)
{
    KernelTable table{};
    addFilterKernels (table);
    for (const int id : {kernelId::lpfComb, kernelId::hpfComb, kernelId::tremolo, kernelId::lpfColor})
        EXPECT_EQ (table[static_cast<std::size_t> (id)], nullptr) << id;
    EXPECT_NE (table[kernelId::lpf24dB], nullptr);
}

TEST (DrivenKernels, MatchTheirRecipesAtBothSweepEnds)
{
    constexpr int s = 1;
    constexpr float fc = 3000.0f, fmin = 0.2f, q = 0.7f, res = 0.6f, drive = 0.4f, mix = 0.8f;
    const float damping = 1.5f - 1.5f * res;
    const float lowFc[] = {fc, fc - (1.0f - fmin) * fc}; // "LPF" sweeps at lfo 0 and 1
    const float highFc[] = {fc, fc - (fc - fmin * fc)};  // "HPF" sweeps
    constexpr float fs = 48000.0f;

    for (const int id : {5, 6, 12, 13, 31, 32, 45, 46, 47})
        for (const int end : {0, 1})
        {
            KernelRig rig;
            rig.set (s, p::fc, fc), rig.set (s, p::fmin, fmin), rig.set (s, p::q, q), rig.set (s, p::res, res);
            rig.set (s, p::drive, drive), rig.set (s, p::mix, mix);

            const auto lfo = static_cast<float> (end);
            StateVariableFilter svfL, svfR;
            ShaperObject shaper;
            BiquadSection bqL, bqR;
            TwoPoleResonator resL, resR;
            const auto svf = [&] (float f, int mode, float d, float k, StereoPair x)
            {
                svfSet (svfL, fs, f, mode, d, k), svfSet (svfR, fs, f, mode, d, k);
                return StereoPair{svfProcess (svfL, x.left), svfProcess (svfR, x.right)};
            };
            const auto mixDrive = [&] (StereoPair shaped, StereoPair plain)
            {
                return StereoPair{drive * shaped.left + (1.0f - drive) * plain.left,
                                  drive * shaped.right + (1.0f - drive) * plain.right};
            };

            for (int i = 0; i < 600; ++i)
            {
                const StereoPair in{passages (i), -passages (i + 17)};
                StereoPair wet{};
                float m = mix;
                switch (id)
                {
                case 5:
                {
                    const auto v = svf (lowFc[end], 1, q, drive, in);
                    wet = fuzzShape (shaper, v.left, v.right, drive);
                    break;
                }
                case 12:
                {
                    const auto v = svf (highFc[end], 2, damping, 0.111f, in);
                    wet = fuzzShape (shaper, v.left, v.right, drive);
                    break;
                }
                case 6:
                {
                    const auto v = mixDrive (grungeShape (shaper, in.left, in.right, 0.7f, 6), in);
                    const auto c = designLowPass (lowFc[end], q, fs);
                    wet = {biquadProcess (bqL, v.left, c, 6), biquadProcess (bqR, v.right, c, 6)};
                    break;
                }
                case 13:
                    wet = svf (highFc[end], 2, damping, 0.111f,
                               mixDrive (grungeShape (shaper, in.left, in.right, 0.7f, 13), in));
                    break;
                case 32:
                {
                    const auto v = svf ((fc - 100.0f) * lfo + 100.0f, 3, q, 0.0f, in);
                    wet = mixDrive (grungeShape (shaper, v.left, v.right, 0.7f, 32), v);
                    break;
                }
                case 31:
                {
                    const auto v = svf (fc * lfo, 3, q, 0.0f, in);
                    resonatorFollow (resL, 5800.0f * lfo + 2200.0f, 0.9f, fs);
                    resonatorFollow (resR, 5800.0f * lfo + 2200.0f, 0.9f, fs);
                    const auto g = grungeShape (shaper, in.left, in.right, 0.7f, 31);
                    wet = {(v.left + resonatorProcess (resL, in.left) + g.left * 0.025119f) * 0.5f,
                           (v.right + resonatorProcess (resR, in.right) + g.right * 0.025119f) * 0.5f};
                    break;
                }
                case 45:
                    wet = fuzzShape (shaper, in.left, in.right, drive);
                    break;
                case 46:
                    wet = grungeShape (shaper, in.left, in.right, 0.7f, 46), m = drive;
                    break;
                default:
                    rectifierFilter (shaper, in.left, in.right, wet.left, wet.right);
                    m = drive;
                    break;
                }
                const auto out = rig.run (s, id, in.left, in.right, lfo);
                ASSERT_EQ (out.left, blend (in.left, wet.left, m)) << id << " " << end << " " << i;
                ASSERT_EQ (out.right, blend (in.right, wet.right, m)) << id << " " << end << " " << i;
            }
        }
}

TEST (DrivenKernels, DistortionsBlendWithDriveAndDistort3KeepsTheOutputsOnNotANumber)
{
    KernelRig rig;
    rig.set (0, p::drive, 0.5f);
    ShaperObject reference;
    const auto g = grungeShape (reference, 0.6f, -0.2f, 0.7f, 46);
    const auto out = rig.run (0, kernelId::distort2, 0.6f, -0.2f, 0.0f);
    EXPECT_EQ (out.left, 0.5f * 0.6f + 0.5f * g.left);
    EXPECT_EQ (out.right, 0.5f * -0.2f + 0.5f * g.right);

    rig.outLeft = 0.0f;
    rig.outRight = 0.25f;
    const auto skipped = rig.run (0, kernelId::distort3, notANumber, 0.5f, 0.0f);
    EXPECT_TRUE (std::isnan (skipped.left));
    EXPECT_EQ (skipped.right, 0.5f * 0.5f + 0.5f * 0.25f);
}

TEST (DrivenKernels, LpfGrungeIsolatesItsSectionsByItsKey)
{
    KernelRig rig;
    rig.set (2, p::fc, 2000.0f), rig.set (2, p::q, 0.7f), rig.set (2, p::drive, 0.0f), rig.set (2, p::mix, 1.0f);
    for (int i = 0; i < 50; ++i)
        (void)rig.run (2, kernelId::hpf12dB, passages (i), passages (i), 0.0f);

    const auto c = designLowPass (2000.0f, 0.7f, 48000.0f);
    EXPECT_EQ (rig.run (2, kernelId::lpfGrunge, 0.5f, 0.5f, 0.0f).left, c.b0 * 0.5f);
    EXPECT_EQ (rig.model->kernelBanks().filters.biquads[14].ownerKey, kernelId::lpfGrunge);
}
