#include "kernels/FilterSections.h"
#include "kernels/KernelCatalogue.h"
#include "kernels/Oscillator.h"
#include "kernels/RealFft.h"
#include "kernels/ThreeToneModulator.h"
#include "tests/engine/KernelRig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <vector>

using namespace gatevox;

namespace
{
namespace p = kernelParam;
constexpr std::int64_t period = oscillatorPeriod;

// The modulator object the slot's kernels use.
ModulatorObject& modulator (KernelRig& h, int s)
{
    return h.banks().modulator (s);
}

[[nodiscard]] std::int64_t increment (double f, float fs)
{
    return static_cast<std::int64_t> (std::trunc (f * static_cast<double> (period) / static_cast<double> (fs)));
}

// The oscillator written out plainly.
struct ReferenceOscillator
{
    std::int64_t p = 0;

    double step (double f, float fs)
    {
        p = ((p + increment (f, fs)) % period + period) % period;
        return static_cast<double> (oscillatorSine (static_cast<std::int32_t> (p)));
    }
};

struct ReferencePair
{
    float left;
    float right;
};

struct ReferenceThreeTone
{
    ReferenceOscillator o[3];
    double F = 5000.0;
    double e = 0.0;

    ReferencePair run (double xL, double xR, double target, double s, float fs)
    {
        if (std::fabs (static_cast<float> (target) - static_cast<float> (F)) >= 1.0e-7f)
            F = 0.777 * target + 0.223 * F;
        const float f = static_cast<float> (F);
        const double acc = 0.35355339059327373 * o[0].step (2.0f * f, fs) + 0.35355339059327373 * o[1].step (f, fs) +
                           (1.0 / (2.0 * 1.41421353816986083984375)) * o[2].step (f / 2.0f, fs);
        e = 0.333 * e + 0.667 * acc * s;
        const double a = std::isnan (s) ? 1.0 : std::max (s, 1.0);
        return {static_cast<float> (std::clamp (e * xL, -1.0, 1.0) + xL / a),
                static_cast<float> (std::clamp (e * xR, -1.0, 1.0) + xR / a)};
    }
};

float input (int i, double f = 310.0, double phase = 0.0)
{
    return static_cast<float> (0.8 * std::sin (2.0 * std::numbers::pi * f * i / 48000.0 + phase));
}

float mixOf (float dry, float wet, float m)
{
    return (1.0f - m) * dry + m * wet;
}
} // namespace

TEST (ThreeToneModulator, AttenuationAndLimit)
{
    ModulatorObject object;
    for (int i = 0; i < 3000; ++i)
    {
        const double x = 0.9 * std::sin (0.01 * i);
        // s below 1: the input passes at full level beside the limited product.
        const auto y = threeToneProcess (object, x, -x, 500.0, 0.5, 44100.0f, 41);
        const double product = std::clamp (object.envelope * x, -1.0, 1.0);
        ASSERT_EQ (y.left, static_cast<float> (product + x));

        // A large depth: the product is limited and the input divided by s.
        const auto z = threeToneProcess (object, x, -x, 500.0, 40.0, 44100.0f, 41);
        ASSERT_LE (std::fabs (z.left), 1.0 + std::fabs (x) / 40.0 + 1.0e-6);
        ASSERT_EQ (z.right, static_cast<float> (std::clamp (object.envelope * -x, -1.0, 1.0) + -x / 40.0));
    }
}

TEST (ThreeToneModulator, NewOwnerRestartsPhasesAndEnvelope)
{
    ModulatorObject object;
    object.phase = {5, 6, 7};
    object.envelope = 0.5;
    object.frequency = 1000.0;
    (void)threeToneProcess (object, 0.0, 0.0, 1000.0, 2.0, 48000.0f, 20);
    EXPECT_EQ (object.ownerKey, 20);
    EXPECT_EQ (object.phase[0], increment (2000.0, 48000.0f));
    EXPECT_EQ (object.phase[1], increment (1000.0, 48000.0f));
    EXPECT_EQ (object.phase[2], increment (500.0, 48000.0f));
    const auto table = [] (int i) { return static_cast<double> (oscillatorSine (i)); };
    EXPECT_DOUBLE_EQ (object.envelope, 0.667 *
                                           (0.35355339059327373 * table (object.phase[0]) +
                                            0.35355339059327373 * table (object.phase[1]) +
                                            (1.0 / (2.0 * 1.41421353816986083984375)) * table (object.phase[2])) *
                                           2.0);
}

TEST (ModulatorKernels, AmDsbAndAmSsbShareKeyAndFollowTheirRecipes)
{
    KernelRig h;
    h.set (0, p::fc, 800.0f);
    h.set (0, p::amount, 3.0f);
    h.set (0, p::mix, 0.7f);
    ReferenceThreeTone reference;
    StateVariableFilter lowLeft, lowRight;
    for (int i = 0; i < 3000; ++i)
    {
        if (i == 1000)
            h.set (0, p::fc, 1234.5f); // F glides there and stops once equal in single precision
        const float l = input (i), r = input (i, 170.0);
        const auto y = reference.run (l, r, i < 1000 ? 800.0 : 1234.5, 3.0, 48000.0f);
        if (i < 1500)
        {
            h.run (0, kernelId::amDsb, l, r);
            ASSERT_EQ (h.outLeft, mixOf (l, y.left, 0.7f)) << i;
            ASSERT_EQ (h.outRight, mixOf (r, y.right, 0.7f)) << i;
            continue;
        }

        // The switch to "AM SSB" keeps phases and envelope: the reference runs on.
        h.run (0, kernelId::amSsb, l, r);
        svfSet (lowLeft, 48000.0f, 1234.5f, svfMode::lowPass, 0.7171f, 0.111f);
        svfSet (lowRight, 48000.0f, 1234.5f, svfMode::lowPass, 0.7171f, 0.111f);
        ASSERT_EQ (h.outLeft, mixOf (l, svfProcess (lowLeft, y.left), 0.7f)) << i;
        ASSERT_EQ (h.outRight, mixOf (r, svfProcess (lowRight, y.right), 0.7f)) << i;
    }
    EXPECT_EQ (modulator (h, 0).ownerKey, kernelId::amDsb);
    EXPECT_EQ (static_cast<float> (modulator (h, 0).frequency), 1234.5f);
}

TEST (ModulatorKernels, FilteredAmKernelsFollowTheirRecipes)
{
    struct Case
    {
        int kernel;
        bool bandPass;
        double s; // negative: eff (Amount)
    };
    for (const auto& k : {Case{kernelId::hpfAmDsb, false, 1.2}, Case{kernelId::hpfAmSsb, false, 1.5},
                          Case{kernelId::bpfAmDsb, true, -1.0}, Case{kernelId::bpfAmSsb, true, -1.0}})
    {
        KernelRig h;
        const int slot = 3;
        h.set (slot, p::fc, 2500.0f);
        h.set (slot, p::fmin, 0.25f);
        h.set (slot, p::freq1, 260.0f);
        h.set (slot, p::amount, 2.2f);
        h.set (slot, p::mix, 0.8f);
        ReferenceThreeTone reference;
        StateVariableFilter left, right;
        for (int i = 0; i < 2500; ++i)
        {
            const float lfo = static_cast<float> (i % 100) / 100.0f;
            const float l = input (i, 3000.0), r = input (i, 750.0);
            float fc = 0.0f;
            if (k.bandPass)
                fc = (2500.0f - 420.0f) * lfo + 420.0f;
            else
            {
                const float f0 = k.kernel == kernelId::hpfAmDsb ? 2500.0f - 333.0f : 2500.0f;
                fc = f0 - (f0 - 0.25f * f0) * lfo;
            }
            const int mode = k.bandPass ? svfMode::bandPass : svfMode::highPass;
            svfSet (left, 48000.0f, fc, mode, k.bandPass ? 0.4f : 0.3f, k.bandPass ? 0.0f : 0.111f);
            svfSet (right, 48000.0f, fc, mode, k.bandPass ? 0.4f : 0.3f, k.bandPass ? 0.0f : 0.111f);
            const float fl = k.bandPass ? svfProcessShaped (left, l) : svfProcess (left, l);
            const float fr = k.bandPass ? svfProcessShaped (right, r) : svfProcess (right, r);
            const auto y = reference.run (fl, fr, 260.0, k.s < 0.0 ? static_cast<double> (2.2f) : k.s, 48000.0f);

            h.run (slot, k.kernel, l, r, lfo);
            ASSERT_EQ (h.outLeft, mixOf (l, y.left, 0.8f)) << k.kernel << " " << i;
            ASSERT_EQ (h.outRight, mixOf (r, y.right, 0.8f)) << k.kernel << " " << i;
        }
        EXPECT_EQ (modulator (h, slot).ownerKey, k.kernel);
    }
}

TEST (ModulatorKernels, RingModMatchesItsFormulaAndFoldsTheDoubledTone)
{
    KernelRig h;
    h.set (1, p::fc, 15000.0f);
    h.set (1, p::mix, 1.0f);
    ReferenceOscillator o[3];
    const int n = 4096;
    std::vector<float> out (n);
    for (int i = 0; i < n; ++i)
    {
        h.run (1, kernelId::ringMod, 1.0f, -0.5f);
        const double r = 0.7071 * o[0].step (15000.0, 48000.0f) + 0.5303 * o[1].step (7500.0, 48000.0f) +
                         0.5303 * o[2].step (17600.0, 48000.0f);
        ASSERT_EQ (h.outLeft, static_cast<float> (r)) << i;
        ASSERT_EQ (h.outRight, static_cast<float> (r * -0.5)) << i;
        out[static_cast<std::size_t> (i)] = h.outLeft;
    }
    EXPECT_DOUBLE_EQ (modulator (h, 1).ringDouble, 17600.0);

    // The spectrum has a line at 47,600 - 30,000 = 17,600 Hz and nothing at
    // 18,000 Hz, where an unfolded 30 kHz tone would alias.
    for (int i = 0; i < n; ++i)
        out[static_cast<std::size_t> (i)] *= static_cast<float> (0.5 - 0.5 * std::cos (2.0 * std::numbers::pi * i / n));
    RealFft fft (n);
    std::vector<float> spectrum (n);
    fft.forward (out.data(), spectrum.data());
    const auto magnitude = [&] (double hz)
    {
        const auto k = static_cast<std::size_t> (std::lround (hz * n / 48000.0));
        return std::hypot (spectrum[k], spectrum[n / 2 + k]);
    };
    EXPECT_GT (magnitude (17600.0), 500.0f);
    EXPECT_GT (magnitude (15000.0), 500.0f);
    EXPECT_LT (magnitude (18000.0), 1.0f);
}

TEST (ModulatorKernels, RingModLeavesOutputsAndPhasesOnANanLeftInput)
{
    KernelRig h;
    h.set (0, p::fc, 1000.0f);
    h.set (0, p::mix, 0.5f);
    h.run (0, kernelId::ringMod, 0.3f, 0.3f);
    const auto phases = modulator (h, 0).phase;
    h.outLeft = 0.25f;
    h.outRight = -0.75f;
    h.run (0, kernelId::ringMod, std::numeric_limits<float>::quiet_NaN(), 0.4f);
    EXPECT_EQ (modulator (h, 0).phase, phases);
    EXPECT_EQ (h.outRight, mixOf (0.4f, -0.75f, 0.5f));
}

TEST (ModulatorKernels, RingAndPhaseModulatorsNeverClearThePhases)
{
    KernelRig h;
    h.set (2, p::fc, 900.0f);
    h.set (2, p::amount, 1.0f);
    for (int i = 0; i < 10; ++i)
        h.run (2, kernelId::amDsb, 0.1f, 0.1f);
    auto& m = modulator (h, 2);
    const auto before = m.phase;

    h.run (2, kernelId::pmMod, 0.1f, 0.1f); // F glides to 0.999 x 900 + 0.001 x F
    const double f = m.frequency;
    EXPECT_EQ (m.phase[0], (before[0] + increment (f, 48000.0f)) % period);
    EXPECT_EQ (m.phase[1], (before[1] + increment (f, 48000.0f)) % period);
    EXPECT_EQ (m.phase[2], before[2]);

    const auto afterPm = m.phase;
    h.run (2, kernelId::ringMod, 0.1f, 0.1f);
    EXPECT_EQ (m.phase[0], (afterPm[0] + increment (900.0, 48000.0f)) % period);
    // F already equals 900 in single precision, so the derived tones keep
    // the values they were built with (for F = 5000).
    EXPECT_EQ (m.phase[1], (afterPm[1] + increment (2500.0, 48000.0f)) % period);
    EXPECT_EQ (m.phase[2], (afterPm[2] + increment (10000.0, 48000.0f)) % period);

    h.set (2, p::fc, 1000.0f);
    const auto before1000 = m.phase;
    h.run (2, kernelId::ringMod, 0.1f, 0.1f);
    EXPECT_EQ (m.phase[1], (before1000[1] + increment (500.0, 48000.0f)) % period);
    EXPECT_EQ (m.phase[2], (before1000[2] + increment (2000.0, 48000.0f)) % period);
    EXPECT_EQ (m.ownerKey, kernelId::amDsb);
}

TEST (ModulatorKernels, PmModMatchesItsFormulaAndIsSilentOnSilence)
{
    KernelRig h;
    h.set (4, p::fc, 640.0f);
    h.set (4, p::mix, 0.9f);
    for (int i = 0; i < 50; ++i)
    {
        h.run (4, kernelId::pmMod, 0.0f, 0.0f);
        ASSERT_EQ (h.outLeft, 0.0f);
        ASSERT_EQ (h.outRight, 0.0f);
    }

    ReferenceOscillator left{modulator (h, 4).phase[0]}, right{modulator (h, 4).phase[1]};
    double F = modulator (h, 4).frequency;
    for (int i = 0; i < 1000; ++i)
    {
        const float l = input (i), r = input (i, 55.0);
        if (std::fabs (640.0f - static_cast<float> (F)) >= 1.0e-7f)
            F = 0.999 * 640.0 + 0.001 * F;
        const double cL = left.step (F, 48000.0f);
        const double cR = right.step (F, 48000.0f);
        const auto yL = static_cast<float> ((std::sin (double (l)) * cL + std::cos (double (l)) * cL) * ::j1 (l) * 2.7);
        const auto yR = static_cast<float> ((std::sin (double (r)) * cR + std::cos (double (r)) * cR) * ::j1 (r) * 2.7);
        h.run (4, kernelId::pmMod, l, r);
        ASSERT_EQ (h.outLeft, mixOf (l, yL, 0.9f)) << i;
        ASSERT_EQ (h.outRight, mixOf (r, yR, 0.9f)) << i;
    }
}

TEST (ModulatorKernels, FmModRestartsOnANewOwnerAndMatchesItsFormula)
{
    KernelRig h;
    h.set (0, p::fc, 1500.0f);
    h.set (0, p::amount, 2.0f);
    h.set (0, p::mix, 0.6f);
    for (int i = 0; i < 100; ++i)
        h.run (0, kernelId::amDsb, input (i), input (i));
    auto& m = modulator (h, 0);
    double F = m.frequency;

    ReferenceOscillator carrier;
    StateVariableFilter left, right;
    // The tracker reports 0 until its first frame is analysed: g = 0, h = 100,
    // and the minimum register takes 0.
    for (int n = 0; n < 2000; ++n)
    {
        const float l = input (n, 400.0), r = input (n, 123.0, 1.0);
        h.run (0, kernelId::fmMod, l, r);
        if (n == 0)
        {
            EXPECT_EQ (m.ownerKey, kernelId::fmMod);
            EXPECT_EQ (m.counter, 1);
            EXPECT_EQ (m.phase[0], increment (1500.0, 48000.0f));
            EXPECT_EQ (m.phase[1], 0);
            EXPECT_EQ (m.phase[2], 0);
        }

        if (std::fabs (1500.0f - static_cast<float> (F)) >= 1.0e-7f)
            F = 0.001 * 1500.0 + 0.999 * F;
        const float theta = std::ceil (static_cast<float> (F)) * (static_cast<float> (n) * 6.2831855f / 48000.0f) +
                            r * (100.0f - 0.0f) / 100.0f;
        const double v = (std::sin (double (theta)) + std::cos (double (theta))) * carrier.step (1500.0, 48000.0f);
        svfSet (left, 48000.0f, 1500.0f, svfMode::highPass, 0.7071f, 1.0f);
        svfSet (right, 48000.0f, 1500.0f, svfMode::highPass, 0.7071f, 1.0f);
        const float hl = svfProcess (left, l), hr = svfProcess (right, r);
        const auto ul = static_cast<float> (::j1 (l) * v), ur = static_cast<float> (::j1 (r) * v);
        ASSERT_EQ (h.outLeft, (hl + ul) * 0.6f * 0.7071f + (1.0f - 0.6f) * l) << n;
        ASSERT_EQ (h.outRight, (hr + ur) * 0.6f * 0.7071f + (1.0f - 0.6f) * r) << n;
    }
}

TEST (ModulatorKernels, FmModSampleCounterWrapsAtAFixedCount)
{
    KernelRig h;
    h.fs = 8000.0f;
    h.set (0, p::fc, 300.0f);
    for (int i = 0; i < 48'000 + 5; ++i)
        h.run (0, kernelId::fmMod, 0.1f, 0.1f);
    EXPECT_EQ (modulator (h, 0).counter, 5);
}

TEST (ModulatorKernels, AbsurdParametersAndRatesStayFiniteAndInBounds)
{
    const int kernels[] = {kernelId::hpfAmDsb, kernelId::hpfAmSsb, kernelId::bpfAmDsb,
                           kernelId::bpfAmSsb, kernelId::ringMod,  kernelId::fmMod,
                           kernelId::pmMod,    kernelId::amDsb,    kernelId::amSsb};
    const float inf = std::numeric_limits<float>::infinity();
    const float values[] = {std::numeric_limits<float>::quiet_NaN(), inf, -inf, 1.0e30f, -1.0e30f, -5.0f, 0.0f};
    for (const float fs : {1.0f, 100.0f, 44100.0f, 192000.0f})
        for (const float v : values)
            for (const int kernel : kernels)
            {
                KernelRig h;
                h.fs = fs;
                for (const auto k : {p::fc, p::fmin, p::freq1, p::amount})
                    h.set (0, k, v);
                h.set (0, p::mix, 0.5f);
                for (int i = 0; i < 4200; ++i)
                {
                    h.run (0, kernel, input (i, 700.0), input (i, 70.0), static_cast<float> (i % 10) / 10.0f);
                    ASSERT_TRUE (std::isfinite (h.outLeft) && std::isfinite (h.outRight))
                        << "kernel " << kernel << " value " << v << " fs " << fs << " sample " << i;
                }
                const auto& m = modulator (h, 0);
                for (const auto phase : m.phase)
                    EXPECT_TRUE (phase >= 0 && phase < period);
                EXPECT_TRUE (m.counter >= 0 && m.counter < ModulatorObject::counterWrap);
                EXPECT_TRUE (std::isfinite (m.frequency));
                EXPECT_TRUE (std::isfinite (m.envelope));
                EXPECT_TRUE (m.tracker.filled() >= 0 && m.tracker.filled() < FrequencyTracker::frameSize);
            }
}
