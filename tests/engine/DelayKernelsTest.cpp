#include "kernels/KernelCatalogue.h"
#include "tests/engine/KernelRig.h"
#include "tests/engine/SignalHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <utility>
#include <vector>

using namespace gatevox;

namespace
{
namespace p = kernelParam;
using Settings = std::map<std::size_t, float>;

// The catalogue defaults of the comb and delay kernels.
const std::vector<std::pair<int, Settings>> delayKernels{
    {kernelId::lpfComb, {{p::fc, 10000.0f}, {p::fmin, 0.2f}, {p::q, 1.414f}, {p::mix, 1.0f}}},
    {kernelId::hpfComb, {{p::fc, 2000.0f}, {p::fmin, 0.1f}, {p::q, 0.777f}, {p::mix, 1.0f}}},
    {kernelId::lpfDoubler,
     {{p::fc, 7000.0f}, {p::fmin, 0.1f}, {p::delay1, 0.01f}, {p::feedback, 0.7f}, {p::mix, 1.0f}}},
    {kernelId::lpfSlapback,
     {{p::fc, 7000.0f}, {p::fmin, 0.1f}, {p::delay1, 0.01f}, {p::feedback, 0.9f}, {p::mix, 0.9f}}},
    {kernelId::hpfDoubler,
     {{p::fc, 5000.0f}, {p::fmin, 0.1f}, {p::delay1, 0.01f}, {p::feedback, 0.7f}, {p::mix, 0.6f}}},
    {kernelId::hpfSlapback,
     {{p::fc, 3000.0f}, {p::fmin, 0.111f}, {p::delay1, 0.01f}, {p::feedback, 0.93f}, {p::mix, 0.9f}}},
    {kernelId::delayMod, {{p::width, 0.1f}, {p::delay1, 0.1f}, {p::feedback, 0.3f}, {p::mix, 0.4f}}},
    {kernelId::vibrato, {{p::delay1, 0.015f}, {p::width, 1.0f}, {p::feedback, 1.0f}, {p::mix, 0.5f}}},
    {kernelId::slapback, {{p::width, 0.4f}, {p::delay1, 0.013f}, {p::feedback, 0.9f}, {p::mix, 0.4f}}},
};

void load (KernelRig& h, int s, const Settings& settings)
{
    for (const auto& [k, v] : settings)
        h.set (s, k, v);
}

// Each kernel written out as a chain of building blocks of its own.
struct Reference
{
    float fs;
    CombLine combs[2];
    BiquadSection biquads[2];
    StateVariableFilter filters[2];
    DelayEngine engine;
    DelayLine lines[2];

    explicit Reference (float rate) : fs (rate)
    {
        for (int c = 0; c < 2; ++c)
        {
            combPrepare (combs[c], fs);
            linePrepare (lines[c], static_cast<double> (fs));
        }
    }

    using Pair = std::pair<float, float>;

    Pair svf (float fc, int mode, float damping, Pair x)
    {
        svfSet (filters[0], fs, fc, mode, damping, 0.111f);
        svfSet (filters[1], fs, fc, mode, damping, 0.111f);
        return {svfProcess (filters[0], x.first), svfProcess (filters[1], x.second)};
    }

    Pair step (int id, Settings v, Pair in, float lfo)
    {
        const float fc = v[p::fc], fmin = v[p::fmin], m = v[p::mix], delay1 = v[p::delay1];
        auto delay = [&] (Pair x, float s, bool slapback)
        {
            const auto y = engineProcess (engine, lines[0], lines[1], x.first, x.second, delay1, s, lfo, v[p::feedback],
                                          fs, id, slapback);
            return Pair{y.left, y.right};
        };
        auto mix = [] (Pair a, Pair b, float share) {
            return Pair{(1.0f - share) * a.first + share * b.first, (1.0f - share) * a.second + share * b.second};
        };
        auto comb = [&] (const BiquadCoefficients& design)
        {
            return Pair{
                biquadProcess (biquads[0], combProcess (combs[0], in.first, lfo, 0.015f, 0.03f, fs), design, 0),
                biquadProcess (biquads[1], combProcess (combs[1], in.second, lfo, 0.015f, 0.03f, fs), design, 0)};
        };
        const float up = fc * fmin + fc * (1.0f - fmin) * lfo;
        const float down = fc - (fc - fmin * fc) * lfo;

        Pair wet;
        if (id == kernelId::lpfComb)
            wet = comb (designLowPass (fc - (1.0f - fmin) * fc * lfo, v[p::q], fs));
        if (id == kernelId::hpfComb)
            wet = comb (designHighPass (down, v[p::q], fs));
        if (id == kernelId::lpfDoubler)
        {
            const auto f = svf (up, 1, 0.333f, in);
            wet = mix (f, delay (f, 0.4f, true), 0.3f * m);
        }
        if (id == kernelId::lpfSlapback)
            wet = svf (up, 1, 0.7071f, mix (in, delay (in, 0.4f * delay1, true), 0.4f * m));
        if (id == kernelId::hpfDoubler)
            wet = svf (down, 2, 0.3345f, mix (in, delay (in, 0.4f, true), 0.4f * m));
        if (id == kernelId::hpfSlapback)
            wet = svf (down, 2, 0.3345f, mix (in, delay (in, 0.4f * delay1, true), 0.3f * m));
        if (id == kernelId::delayMod || id == kernelId::vibrato)
            wet = delay (in, v[p::width], false);
        if (id == kernelId::slapback)
            wet = delay (in, v[p::width] * delay1, true);
        return mix (in, wet, m);
    }
};
} // namespace

TEST (DelayKernels, EachMatchesItsReferenceSampleForSample)
{
    for (const double rate : {44100.0, 48000.0})
        for (const auto& [id, settings] : delayKernels)
        {
            KernelRig h (rate);
            load (h, 3, settings);
            Reference reference (h.fs);
            std::mt19937 random (11);
            std::uniform_real_distribution<float> noise (-0.7f, 0.7f);
            for (int n = 0; n < 12000; ++n)
            {
                const std::pair in{noise (random), n % 3000 < 2000 ? noise (random) : 0.0f};
                const float lfo = triangle (n, 2400);
                const auto out = h.run (3, id, in.first, in.second, lfo);
                const auto expected = reference.step (id, settings, in, lfo);
                ASSERT_TRUE (sameBits (out.left, expected.first) && sameBits (out.right, expected.second))
                    << kernelNameOfId (id) << " " << rate << " at " << n;
            }

            // Slot 3 owns engine 6 and lines 6 and 7 alone.
            EXPECT_EQ (h.banks().delays.engine (7).ownerKey, 0);
            for (const int i : {0, 1, 2, 3, 4, 5, 8, 9})
                EXPECT_EQ (h.banks().delays.line (i).written, 0) << i;
        }
}

TEST (DelayKernels, AnotherKernelOnTheEngineStartsAfresh)
{
    KernelRig h (44100.0);
    load (h, 0, delayKernels[6].second);
    for (int n = 0; n < 100; ++n)
        h.run (0, kernelId::delayMod, 0.5f, 0.5f, 0.0f);
    load (h, 0, delayKernels[7].second);
    h.run (0, kernelId::vibrato, 0.5f, 0.5f, 0.0f);
    const auto& e = h.banks().delays.engine (0);
    EXPECT_EQ (e.ownerKey, kernelId::vibrato);
    EXPECT_EQ (e.r, 0.015f) << "no glide from the other kernel's delay";
    EXPECT_EQ (e.d, 44100.0f * 0.015f);
    EXPECT_EQ (h.banks().delays.line (0).written, 1);
    EXPECT_EQ (h.banks().delays.line (1).written, 1);
}

TEST (DelayKernels, DelayModBurstHasNoLateEcho)
{
    // At the defaults the line is 3,890,063 samples (88 s), longer than its
    // four seconds of storage: a burst comes back at the tap, 0.1 s later,
    // and not again when the storage comes round.
    KernelRig h (44100.0);
    load (h, 1, delayKernels[6].second);
    std::mt19937 random (5);
    std::uniform_real_distribution<float> noise (-0.5f, 0.5f);
    float direct = 0.0f, late = 0.0f;
    for (int n = 0; n < 44100 * 9 / 2; ++n)
    {
        const float x = n < 4410 ? noise (random) : 0.0f;
        const float y = std::abs (h.run (1, kernelId::delayMod, x, x, triangle (n, 2400)).left);
        auto& peak = n < 44100 ? direct : late;
        peak = std::max (peak, y);
    }
    EXPECT_GT (direct, 0.1f);
    EXPECT_LT (late, 1.0e-6f * direct) << "the level after 1 s, against the burst's";
}

TEST (DelayKernels, SoundAtEveryRate)
{
    for (const double rate : {44100.0, 48000.0, 96000.0, 192000.0})
        for (const auto& [id, settings] : delayKernels)
        {
            KernelRig h (rate);
            load (h, 4, settings);
            const float m = settings.at (p::mix);
            float wetPart = 0.0f;
            for (int i = 0; i < static_cast<int> (rate * 0.15); ++i)
            {
                const float x = 0.5f * std::sin (0.02f * static_cast<float> (i)) + (i % 97 == 0 ? 0.3f : 0.0f);
                const auto [left, right] = h.run (4, id, x, -x, triangle (i, 5000));
                ASSERT_TRUE (std::isfinite (left) && std::isfinite (right)) << kernelNameOfId (id) << " " << rate;
                wetPart = std::max (wetPart, std::abs (left - (1.0f - m) * x));
            }
            EXPECT_GT (wetPart, 0.01f) << kernelNameOfId (id) << " " << rate;
        }
}

TEST (DelayKernels, AbsurdParametersAndRates)
{
    const float values[] = {std::numeric_limits<float>::quiet_NaN(),
                            std::numeric_limits<float>::infinity(),
                            -std::numeric_limits<float>::infinity(),
                            1.0e30f,
                            -1.0e30f,
                            -1.0f};
    for (const double rate : {1.0, 48000.0, 192000.0})
        for (const auto& [id, settings] : delayKernels)
        {
            KernelRig h (rate);
            for (const auto& setting : settings)
                for (const float v : values)
                {
                    load (h, 2, settings);
                    h.set (2, setting.first, v);
                    // LFO values from out-of-range user waves too, and input
                    // that is not a finite number.
                    for (int i = 0; i < 300; ++i)
                        h.run (2, id, i == 7 ? v : 0.4f, -0.4f, i % 50 == 0 ? v : triangle (i, 50) * 3.0f - 1.0f);
                    for (const int l : {4, 5})
                    {
                        const auto& line = h.banks().delays.line (l);
                        ASSERT_LT (line.w, line.length);
                        ASSERT_LE (static_cast<std::size_t> (line.length), line.buffer.size());
                    }

                    // The delay settings never leave the lines stuck. (Preparing
                    // again at the same rate keeps the delay state and clears
                    // the filter sections; at 1 Hz the swept filters are unstable.)
                    if (rate < 2.0 ||
                        (setting.first != p::delay1 && setting.first != p::width && setting.first != p::feedback))
                        continue;
                    h.model->prepareToPlay (rate);
                    load (h, 2, settings);
                    for (int i = 0; i < 2000; ++i)
                    {
                        const auto [left, right] = h.run (2, id, 0.4f, -0.4f, 0.3f);
                        ASSERT_TRUE (std::isfinite (left) && std::isfinite (right))
                            << kernelNameOfId (id) << " " << setting.first << " " << v;
                    }
                }
        }
}
