#include "kernels/KernelCatalogue.h"
#include "tests/engine/KernelRig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

using namespace gatevox;

namespace
{
constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();
constexpr float infinity = std::numeric_limits<float>::infinity();

// The resampler written out plainly, with its own smoothing filter.
struct ReferenceResampler
{
    float rate = 0.0f, fs = 0.0f, phi = 0.0f;
    int n1 = 0, n2 = 0, c1 = 0, c2 = 0;
    float x1[4]{}, x2[4]{}, y1[4]{}, y2[4]{};

    float smooth (int i, float x)
    {
        const float y = 0.88189f * x + 1.76378f * x1[i] + 0.88189f * x2[i] - 1.7707f * y1[i] - 0.79771f * y2[i];
        x2[i] = x1[i], x1[i] = x, y2[i] = y1[i], y1[i] = y;
        return y;
    }

    std::pair<float, float> step (float inL, float inR, float newFs, float newRate)
    {
        float g1 = c1 == 0 ? 1.0f : 0.0f;
        if (std::abs (newRate - rate) >= 0.0000001f || std::abs (newFs - fs) >= 0.0000001f)
        {
            rate = newRate, fs = newFs, c1 = c2 = 0, g1 = 1.0f;
            const float b = fs / (rate * 0.5f);
            n1 = static_cast<int> (std::ceil (b)), n2 = static_cast<int> (std::floor (b)), phi = b - std::floor (b);
        }
        const float g2 = c2 == 0 ? 1.0f : 0.0f;
        const float sL1 = smooth (0, inL * g1), sL2 = smooth (1, inL * g2), sR1 = smooth (2, inR * g1),
                    sR2 = smooth (3, inR * g2);
        c1 = (c1 + 1) % n1, c2 = (c2 + 1) % n2;
        return {(1.0f - phi) * sL2 + phi * sL1, (1.0f - phi) * sR2 + phi * sR1};
    }
};

// The echo as first written: fresh zeroed buffers on every length change.
struct ReferenceEcho
{
    float d = 0.0f, hL = 0.0f, hR = 0.0f, oL = 0.0f, oR = 0.0f;
    int hold = 0, dA = 0, dB = 0, n = 0, counter = 0, w = 0;
    std::vector<float> xl = std::vector<float> (1), xr = xl, ea = xl, eb = xl;

    std::pair<float, float> step (float inL, float inR, float delay, float a, float fs)
    {
        if (std::abs (delay - d) >= 0.0000001f)
        {
            d = 0.9f * d + 0.1f * delay;
            const float t = d * fs;
            dA = static_cast<int> (0.9f * t), dB = static_cast<int> (0.3f * t), hold = static_cast<int> (t);
            n = static_cast<int> (2.0f * t + 2.0f);
            xl = xr = ea = eb = std::vector<float> (static_cast<std::size_t> (n));
            hL = inL, hR = inR, counter = 0;
            w = w >= n ? 0 : w;
        }
        const auto at = [this] (int i) { return static_cast<std::size_t> (i < 0 ? i + n : i); };
        xl[at (w)] = inL, xr[at (w)] = inR;
        ea[at (w)] = 0.7f * xl[at (w - dA)] - 0.3f * oL;
        eb[at (w)] = 0.7f * xr[at (w - dB)] - 0.3f * oR;
        if (++counter >= hold)
            hL = inL, hR = inR, counter = 0;
        oL = ((1.0f - a) * inL + a * hL + eb[at (w)]) * 0.35355f;
        oR = ((1.0f - a) * inR + a * hR + ea[at (w)]) * 0.35355f;
        w = w + 1 >= n ? 0 : w + 1;
        return {oL, oR};
    }
};

std::mt19937 noiseEngine{7};
float noise()
{
    return std::uniform_real_distribution<float> (-1.0f, 1.0f) (noiseEngine);
}
} // namespace

TEST (Resampler, MatchesThePlainRecipeSampleBySample)
{
    // b = 4 and b = 2 exactly, then fractional periods, restarting between.
    Resampler r;
    ReferenceResampler reference;
    for (const auto& [fs, rate] :
         {std::pair{44100.0f, 22050.0f}, {44100.0f, 44100.0f}, {48000.0f, 22050.0f}, {96000.0f, 1024.0f}})
        for (int i = 0; i < 3000; ++i)
        {
            const float inL = noise(), inR = noise();
            const auto y = resampleProcess (r, inL, inR, fs, rate);
            const auto [refL, refR] = reference.step (inL, inR, fs, rate);
            ASSERT_EQ (y.left, refL) << fs << " " << rate << " " << i;
            ASSERT_EQ (y.right, refR) << fs << " " << rate << " " << i;
        }
}

TEST (Resampler, WholePeriodsKeepEveryBthSampleThroughTheShorterStream)
{
    // b = 4: samples 0, 4, 8, ... pass, smoothed; the N1 stream has no weight.
    Resampler r;
    BiquadSection section;
    for (int i = 0; i < 400; ++i)
    {
        const float x = std::sin (0.05f * static_cast<float> (i));
        const auto y = resampleProcess (r, x, -x, 44100.0f, 22050.0f);
        ASSERT_EQ (y.left, biquadProcess (section, i % 4 == 0 ? x : 0.0f, resamplerSmoothing, 0)) << i;
        ASSERT_EQ (y.right, -y.left);
    }
    EXPECT_EQ (r.phi, 0.0f);

    (void)resampleProcess (r, 0.0f, 0.0f, 44100.0f, 44100.0f);
    EXPECT_EQ (r.n2, 2);
    EXPECT_EQ (r.phi, 0.0f);
}

TEST (Resampler, PeriodsStayAtLeastOneForAnyRate)
{
    // Rate1 at the top of its range with a 1 kHz host (b = 0.045): every
    // sample passes.
    Resampler low;
    BiquadSection section;
    for (int i = 0; i < 100; ++i)
    {
        const float x = std::cos (0.3f * static_cast<float> (i));
        ASSERT_EQ (resampleProcess (low, x, x, 1000.0f, 44100.0f).left,
                   biquadProcess (section, x, resamplerSmoothing, 0));
    }
    EXPECT_EQ (low.n1, 1);
    EXPECT_EQ (low.n2, 1);

    Resampler r;
    for (const float fs : {1.0f, 192000.0f, notANumber})
        for (const float rate : {1.0e30f, -5.0f, 0.0f, 1.0e-30f, infinity, -infinity, notANumber, 22050.0f})
        {
            for (int i = 0; i < 64; ++i)
            {
                const auto y = resampleProcess (r, 0.5f, -0.5f, fs, rate);
                ASSERT_TRUE (std::isfinite (y.left) && std::isfinite (y.right)) << fs << " " << rate;
            }
            ASSERT_GE (r.n2, 1);
            ASSERT_LE (r.n1, static_cast<int> (Resampler::longestPeriod));
            ASSERT_LT (r.c1, r.n1);
            ASSERT_LT (r.c2, r.n2);
        }

    // Infinity is not sticky: the next sane rate is taken up.
    (void)resampleProcess (r, 0.0f, 0.0f, 44100.0f, infinity);
    (void)resampleProcess (r, 0.0f, 0.0f, 44100.0f, 22050.0f);
    EXPECT_EQ (r.n2, 4);
}

TEST (SampleHoldEcho, ClearingSoundsAsFreshBuffersForAnyAmount)
{
    // Glides up and down, so the length in use shrinks over stale content.
    for (const float fs : {44100.0f, 192000.0f})
        for (const float a : {0.0f, 1.0f, 0.9f})
        {
            SampleHoldEcho e;
            ReferenceEcho reference;
            for (const float delay : {0.0007f, 0.001f, 0.0001f, 0.0f, 0.00033f})
                for (int i = 0; i < 1500; ++i)
                {
                    const float inL = noise(), inR = noise();
                    const auto y = sampleHoldProcess (e, inL, inR, delay, a, fs);
                    const auto [refL, refR] = reference.step (inL, inR, delay, a, fs);
                    ASSERT_EQ (y.left, refL) << fs << " " << a << " " << delay << " " << i;
                    ASSERT_EQ (y.right, refR);
                    ASSERT_LE (reference.n, SampleHoldEcho::capacity);
                }
        }
}

TEST (SampleHoldEcho, EchoIsClearedWhileTheDelayGlides)
{
    SampleHoldEcho e;
    float previousRight = 0.0f;
    int gliding = 0;
    for (; gliding < 200; ++gliding)
    {
        const float before = e.d, x = std::sin (0.1f * static_cast<float> (gliding));
        const auto y = sampleHoldProcess (e, x, 0.25f, 0.0007f, 0.0f, 48000.0f);
        if (e.d == before)
            break;
        // Only the fed-back output reaches the echo line: the histories read zero.
        ASSERT_EQ (y.left, (1.0f * x + 0.0f * e.heldLeft + (0.7f * 0.0f - 0.3f * previousRight)) * 0.35355f);
        previousRight = y.right;
    }
    EXPECT_EQ (gliding, 85); // the gap shrinks by 0.9 a sample, from 0.0007 to below 1e-7

    // A Delay1 of 0 on a fresh object: no length, the hold refreshes every sample.
    SampleHoldEcho fresh;
    for (const float x : {0.1f, -0.4f, 0.7f})
    {
        EXPECT_EQ (sampleHoldProcess (fresh, x, x, 0.0f, 1.0f, 44100.0f).left,
                   (0.0f * x + x + (0.7f * x - 0.3f * fresh.lastRight)) * 0.35355f);
        EXPECT_EQ (fresh.n + fresh.w, 0);
    }
}

TEST (SampleHoldEcho, AbsurdDelaysAreHeldToTheBuffers)
{
    for (const float fs : {1.0f, 44100.0f, 192000.0f, 384000.0f})
        for (const float delay : {1.0e30f, 1.0f, infinity, -1.0f, -infinity, notANumber})
        {
            SampleHoldEcho e;
            for (int i = 0; i < 400; ++i)
                ASSERT_TRUE (std::isfinite (sampleHoldProcess (e, 0.5f, -0.5f, delay, 0.9f, fs).left))
                    << fs << " " << delay;
            ASSERT_LE (e.n, SampleHoldEcho::capacity);
            ASSERT_LT (e.w, std::max (e.n, 1));
            if (fs >= 192000.0f && delay > 0.0f)
            {
                EXPECT_GE (e.n, SampleHoldEcho::capacity - 1); // settled just short of the longest delay
            }

            // Nothing sticks: a sane delay settles as on a fresh object.
            for (int i = 0; i < 400; ++i)
                (void)sampleHoldProcess (e, 0.3f, 0.3f, 0.0007f, 0.9f, 44100.0f);
            EXPECT_NEAR (e.d, 0.0007f, 0.0000001f);
        }
}

TEST (ResamplerKernels, BlendWithMixOnTheSlotsOwnObject)
{
    KernelRig rig (44100.0);
    rig.set (2, kernelParam::rate1, 22050.0f), rig.set (2, kernelParam::mix, 0.6f);
    rig.set (3, kernelParam::delay1, 0.0007f), rig.set (3, kernelParam::amount, 0.9f);
    rig.set (3, kernelParam::mix, 0.7f);
    const auto run = [&] (int s, int kernel, float inL, float inR)
    {
        const auto out = rig.run (s, kernel, inL, inR, 0.3f);
        return std::pair{out.left, out.right};
    };

    ReferenceResampler resampler;
    ReferenceEcho echo;
    for (int i = 0; i < 1000; ++i)
    {
        const float inL = noise(), inR = noise();
        const auto [rL, rR] = resampler.step (inL, inR, 44100.0f, 22050.0f);
        ASSERT_EQ (run (2, kernelId::resampler, inL, inR), std::pair (blend (inL, rL, 0.6f), blend (inR, rR, 0.6f)));
        const auto [eL, eR] = echo.step (inL, inR, 0.0007f, 0.9f, 44100.0f);
        ASSERT_EQ (run (3, kernelId::sampleHold, inL, inR), std::pair (blend (inL, eL, 0.7f), blend (inR, eR, 0.7f)));
    }

    // Only slot 2's resampler and slot 3's echo have moved.
    const auto& banks = rig.banks().resamplers;
    EXPECT_EQ (banks.resamplers[2].n2, 4);
    EXPECT_EQ (banks.resamplers[3].n2, 1);
    EXPECT_EQ (banks.echoes[2].n, 0);
    EXPECT_GT (banks.echoes[3].n, 0);
}
