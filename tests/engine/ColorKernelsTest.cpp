#include "kernels/ColorNetwork.h"
#include "kernels/KernelCatalogue.h"
#include "tests/engine/KernelRig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

using namespace gatevox;

namespace
{
namespace p = kernelParam;

float noise (int i)
{
    unsigned x = static_cast<unsigned> (i) * 2654435761u + 12345u;
    x ^= x >> 13;
    x *= 1274126177u;
    x ^= x >> 16;
    return static_cast<float> (x % 20001u) / 10000.0f - 1.0f;
}

// The network written out from its formulas over whole signal histories.
struct ReferenceNetwork
{
    std::array<std::vector<float>, 5> signals; // input, then each stage's output
    std::vector<float> sums;

    float process (float x, float c)
    {
        signals[0].push_back (x);
        const auto n = signals[0].size() - 1;
        for (std::size_t i = 0; i < 4; ++i)
        {
            const auto d = static_cast<std::size_t> (colorShape::stageDelays[i]);
            const float old = n >= d ? signals[i][n - d] : 0.0f;
            signals[i + 1].push_back (0.3f * signals[i][n] + 0.7f * old);
        }
        std::array<float, 8> taps{};
        for (std::size_t k = 0; k < 8; ++k)
        {
            const auto d = static_cast<std::size_t> (colorShape::tapDelays[k]);
            taps[k] = n >= d ? signals[4][n - d] : 0.0f;
        }
        float lanes[4];
        for (std::size_t j = 0; j < 4; ++j)
            lanes[j] = colorShape::tapGains[j] * taps[j] + colorShape::tapGains[j + 4] * taps[j + 4];
        sums.push_back (lanes[0] + lanes[1] + lanes[2] + lanes[3]);
        float total = 0.0f;
        for (std::size_t back = 0; back < 8; ++back)
            total += n >= back ? sums[n - back] : 0.0f;
        return (1.0f - c) * x + c * (total * 0.125f);
    }
};
} // namespace

TEST (ColorNetwork, LengthsComeFromThePrimeRule)
{
    EXPECT_EQ (colorShape::tapDelays, (std::array<int, 8>{7193, 7727, 8263, 8783, 9319, 9857, 10391, 11503}));
    EXPECT_EQ (colorShape::stageDelays, (std::array<int, 4>{1571, 1123, 619, 113}));
    EXPECT_EQ (colorShape::largestPrimeNotAbove (104729.0f), 104729);
    EXPECT_EQ (colorShape::largestPrimeNotAbove (2.5f), 2);
    EXPECT_EQ (colorShape::largestPrimeNotAbove (1.0f), 0);
}

TEST (ColorNetwork, ImpulseResponseStartsAtTheFirstTap)
{
    auto network = std::make_unique<ColorNetwork>();
    const double first = 0.742 * std::pow (0.3, 4.0) / 8.0;
    const double second = 0.742 * std::pow (0.3, 3.0) * 0.7 / 8.0;
    for (int n = 0; n <= 7306; ++n)
    {
        const float y = colorProcess (*network, n == 0 ? 1.0f : 0.0f, 1.0f);
        if (n < 7193 || (n > 7200 && n < 7306))
            ASSERT_EQ (y, 0.0f) << n;
        else if (n <= 7200)
            ASSERT_NEAR (y, first, 1.0e-9) << n;
        else
            ASSERT_NEAR (y, second, 1.0e-9) << n;
    }
    EXPECT_NEAR (first, 0.00075128, 1.0e-8);
}

TEST (ColorNetwork, MatchesItsFormulaSampleBySample)
{
    auto network = std::make_unique<ColorNetwork>();
    ReferenceNetwork reference;
    for (int n = 0; n < 26000; ++n)
    {
        const float c = n < 13000 ? 0.35f : 0.9f;
        const float x = 0.8f * noise (n);
        ASSERT_NEAR (colorProcess (*network, x, c), reference.process (x, c), 1.0e-6f) << n;
    }
}

TEST (ColorNetwork, ZeroColorIsTransparentButKeepsRunning)
{
    auto quiet = std::make_unique<ColorNetwork>();
    auto wet = std::make_unique<ColorNetwork>();
    for (int n = 0; n < 9000; ++n)
    {
        const float x = noise (n);
        ASSERT_EQ (colorProcess (*quiet, x, 0.0f), x);
        (void)colorProcess (*wet, x, 1.0f);
    }
    for (int n = 9000; n < 9500; ++n)
        ASSERT_EQ (colorProcess (*quiet, noise (n), 1.0f), colorProcess (*wet, noise (n), 1.0f)) << n;
}

TEST (ColorNetwork, NonNumbersStopAtTheFirstStage)
{
    auto network = std::make_unique<ColorNetwork>();
    (void)colorProcess (*network, 0.5f, 0.5f);
    const int stageWrite = network->stages[0].write;
    const int tapWrite = network->taps.write;
    for (const float bad : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()})
        EXPECT_EQ (colorProcess (*network, bad, 0.5f), 0.0f);
    EXPECT_EQ (network->stages[0].write, stageWrite) << "the stage is left untouched";
    EXPECT_EQ (network->stages[1].write, stageWrite + 2) << "later stages see 0";
    EXPECT_EQ (network->taps.write, tapWrite + 2);
    EXPECT_EQ (network->taps.buffer[static_cast<std::size_t> (tapWrite)], 0.0f);
    EXPECT_EQ (colorProcess (*network, 0.5f, std::numeric_limits<float>::infinity()), 0.0f)
        << "an overflowing blend comes out as 0";
}

TEST (ColorKernels, FollowTheirRecipesAtBothSweepEnds)
{
    struct Case
    {
        int id;
        int mode;
        float damping;
    };
    constexpr int s = 2;
    constexpr float fc = 3000.0f, fmin = 0.25f, color = 0.6f, mix = 0.7f;
    for (const Case k :
         {Case{kernelId::lpfColor, svfMode::lowPass, 0.5f}, Case{kernelId::hpfColor, svfMode::highPass, 0.777f}})
        for (const float lfo : {0.0f, 1.0f})
        {
            KernelRig rig;
            rig.set (s, p::fc, fc), rig.set (s, p::fmin, fmin), rig.set (s, p::color, color), rig.set (s, p::mix, mix);
            const float tuned =
                k.id == kernelId::lpfColor ? fc - (1.0f - fmin) * fc * lfo : fc - (fc - fmin * fc) * lfo;

            StateVariableFilter filters[2];
            auto networks = std::make_unique<std::array<ColorNetwork, 2>>();
            GentleLowPass lowPasses[2];
            for (int n = 0; n < 8000; ++n)
            {
                const float in[2] = {noise (n), 0.5f * noise (n + 77)};
                const auto out = rig.run (s, k.id, in[0], in[1], lfo);
                float expected[2];
                for (int ch = 0; ch < 2; ++ch)
                {
                    svfSet (filters[ch], rig.fs, tuned, k.mode, k.damping, 1.0f);
                    const float x = svfProcess (filters[ch], in[ch]);
                    const float y = colorProcess ((*networks)[static_cast<std::size_t> (ch)], x, color);
                    expected[ch] = (1.0f - mix) * in[ch] + mix * gentleLowPass (lowPasses[ch], y, k.id);
                }
                ASSERT_EQ (out.left, expected[0]) << k.id << " " << lfo << " " << n;
                ASSERT_EQ (out.right, expected[1]) << k.id << " " << lfo << " " << n;
            }
            EXPECT_EQ (rig.banks().filters.gentleLowPasses[s].ownerKey, k.id);
            EXPECT_EQ (rig.banks().filters.gentleLowPasses[s + 1].ownerKey, k.id);
            EXPECT_NE (rig.banks().colors.networks[2 * s].recentSums,
                       rig.banks().colors.networks[2 * s + 1].recentSums);
        }
}

TEST (ColorKernels, TuningFloorsAndAFixedFmin)
{
    const auto tunedAt = [] (float fc, float fs) { return 2.0f * std::sin (3.14159265f * fc / (2.0f * fs)); };
    KernelRig rig;
    auto& filter = rig.banks().filters.filters[0];

    rig.set (0, p::fc, 4.0f), rig.set (0, p::fmin, 0.5f);
    (void)rig.run (0, kernelId::lpfColor, 0.1f, 0.1f, 0.0f);
    EXPECT_FLOAT_EQ (filter.f, tunedAt (10.0f, rig.fs));
    (void)rig.run (0, kernelId::lpfColor, 0.1f, 0.1f, 1.0f);
    EXPECT_FLOAT_EQ (filter.f, tunedAt (10.0f, rig.fs)) << "2 Hz is raised to 10";

    rig.set (0, p::fc, 40.0f);
    (void)rig.run (0, kernelId::hpfColor, 0.1f, 0.1f, 0.0f);
    EXPECT_FLOAT_EQ (filter.f, tunedAt (100.0f, rig.fs));
    (void)rig.run (0, kernelId::hpfColor, 0.1f, 0.1f, 1.0f);
    EXPECT_FLOAT_EQ (filter.f, tunedAt (50.0f, rig.fs)) << "the sweep starts at 100 Hz";

    rig.set (0, p::fc, 2000.0f), rig.set (0, p::fmin, 1.0f);
    for (const int id : {kernelId::lpfColor, kernelId::hpfColor})
    {
        (void)rig.run (0, id, 0.1f, 0.1f, 0.0f);
        const float atRest = filter.f;
        (void)rig.run (0, id, 0.1f, 0.1f, 1.0f);
        EXPECT_EQ (filter.f, atRest) << id;
    }
}

TEST (ColorKernels, LowPassKeysIsolateButTheNetworkKeepsItsTail)
{
    KernelRig rig;
    constexpr int s = 1;
    rig.set (s, p::fc, 15000.0f), rig.set (s, p::fmin, 1.0f), rig.set (s, p::color, 0.5f), rig.set (s, p::mix, 1.0f);
    auto& lowPass = rig.banks().filters.gentleLowPasses[s];
    (void)rig.run (s, kernelId::lpfColor, 1.0f, 1.0f, 0.0f);

    // A planted history survives the same kernel and is cleared by the other.
    lowPass.y1 = 1.0e6f;
    (void)rig.run (s, kernelId::lpfColor, 0.0f, 0.0f, 0.0f);
    EXPECT_GT (std::abs (lowPass.y1), 1.0e5f);
    lowPass.y1 = 1.0e6f;
    (void)rig.run (s, kernelId::hpfColor, 0.0f, 0.0f, 0.0f);
    EXPECT_EQ (lowPass.ownerKey, kernelId::hpfColor);
    EXPECT_LT (std::abs (lowPass.y1), 10.0f);

    // Another kernel on the slot leaves the network alone; its tail is still there.
    const auto& network = rig.banks().colors.networks[2 * s];
    const int write = network.taps.write;
    for (int n = 0; n < 100; ++n)
        (void)rig.run (s, kernelId::lpfSvf1, 0.0f, 0.0f, 0.5f);
    EXPECT_EQ (network.taps.write, write);
    rig.set (s, p::color, 1.0f);
    lowPass.x1 = lowPass.y1 = 0.0f;
    int first = -1;
    for (int n = 0; n < 7400 && first < 0; ++n)
        if (rig.run (s, kernelId::lpfColor, 0.0f, 0.0f, 0.0f).left != 0.0f)
            first = n;
    EXPECT_GE (first, 7185) << "only the first tap's echo of the impulse sounds";
    EXPECT_LE (first, 7192);
}

TEST (ColorKernels, AbsurdParametersStayFiniteAndRecover)
{
    const float inf = std::numeric_limits<float>::infinity();
    for (const double rate : {1.0, 44100.0, 192000.0})
    {
        KernelRig rig (rate);
        for (const float v : {1.0e30f, -1.0e30f, inf, -inf, std::numeric_limits<float>::quiet_NaN(), -7.0f, 0.0f})
        {
            for (int s = 0; s < numSlots; ++s)
                for (std::size_t k = 0; k < numKernelParams; ++k)
                    rig.set (s, k, v);
            for (const int id : {kernelId::lpfColor, kernelId::hpfColor})
                for (int s = 0; s < numSlots; ++s)
                    for (int n = 0; n < 16; ++n)
                        (void)rig.run (s, id, noise (n), -noise (n), 0.7f);

            // Sane settings afterwards find no poisoned state.
            for (int s = 0; s < numSlots; ++s)
                rig.set (s, p::mix, 0.5f), rig.set (s, p::color, 0.5f);
            for (int s = 0; s < numSlots; ++s)
                rig.set (s, p::fc, 1000.0f), rig.set (s, p::fmin, 0.5f);
            for (const int id : {kernelId::lpfColor, kernelId::hpfColor})
                for (int n = 0; n < 16; ++n)
                {
                    const auto out = rig.run (n % numSlots, id, noise (n), -noise (n), 0.3f);
                    ASSERT_TRUE (std::isfinite (out.left) && std::isfinite (out.right))
                        << id << " " << v << " " << rate;
                }
        }
    }
}
