#include "kernels/KernelDispatch.h"
#include "kernels/KernelCatalogue.h"
#include "kernels/Oscillator.h"
#include "tests/engine/KernelRig.h"
#include "tests/engine/SignalHelpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace gatevox;

TEST (KernelDispatch, BypassOutsideSlotsAndUnknownIdsPassBitForBit)
{
    KernelRig h;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const auto& [slot, kernel] :
         {std::pair{0, kernelId::bypass}, {5, kernelId::silence}, {2, 51}, {4, 1000}, {1, -1}})
    {
        h.run (slot, kernel, 0.3f, nan, 0.7f);
        EXPECT_TRUE (sameBits (h.outLeft, 0.3f)) << slot << " " << kernel;
        EXPECT_TRUE (sameBits (h.outRight, nan)) << slot << " " << kernel;
    }

    h.run (3, kernelId::silence, 0.3f, -0.9f, 0.1f);
    EXPECT_TRUE (sameBits (h.outLeft, 0.0f));
    EXPECT_TRUE (sameBits (h.outRight, 0.0f));
}

TEST (KernelDispatch, TremoloScalesByDepthAndLfo)
{
    KernelRig h;
    h.set (0, kernelParam::depth, 1.0f);
    h.run (0, kernelId::tremolo, 0.5f, -0.5f, 0.0f);
    EXPECT_EQ (h.outLeft, 0.0f);
    h.run (0, kernelId::tremolo, 0.5f, -0.5f, 1.0f);
    EXPECT_EQ (h.outLeft, 0.5f);
    EXPECT_EQ (h.outRight, -0.5f);

    h.set (0, kernelParam::depth, 0.6f);
    h.model->kernelParams (0).factor.drainingRelease (kernelParam::depth, 0.5f); // the envelope halves it
    h.run (0, kernelId::tremolo, 0.8f, 0.4f, 0.25f);
    const float d = 0.5f * 0.6f;
    EXPECT_EQ (h.outLeft, 0.8f * d * 0.25f + 0.8f * (1.0f - d));
    EXPECT_EQ (h.outRight, 0.4f * d * 0.25f + 0.4f * (1.0f - d));
}

TEST (KernelDispatch, StereoPanMovesBetweenChannels)
{
    KernelRig h;
    h.set (1, kernelParam::depth, 1.0f);
    h.run (1, kernelId::stereoPan, 0.6f, 0.7f, 0.5f);
    EXPECT_EQ (h.outLeft, 0.6f);
    EXPECT_EQ (h.outRight, 0.7f);

    h.run (1, kernelId::stereoPan, 0.6f, 0.7f, 1.0f);
    EXPECT_EQ (h.outLeft, 0.0f);
    EXPECT_EQ (h.outRight, 0.7f);

    h.set (1, kernelParam::depth, 0.4f);
    h.run (1, kernelId::stereoPan, 0.6f, 0.7f, 0.3f);
    const float p = 0.4f * 0.3f;
    EXPECT_EQ (h.outLeft, 0.6f * p * (1.0f - 0.3f) + 0.6f * (1.0f - p));
    EXPECT_EQ (h.outRight, 0.7f * p * 0.3f + 0.7f * (1.0f - p));
}

TEST (KernelDispatch, AmModAdvancesTheSlotsFirstOscillator)
{
    KernelRig h;
    h.set (2, kernelParam::fc, 3000.0f);
    h.set (2, kernelParam::amount, 1.0f);
    h.set (2, kernelParam::mix, 0.7f);

    // 3000 Hz at 48 kHz: 150,000 table steps per sample.
    auto& phase = h.model->kernelBanks().modulator (2).phase[0];
    for (int n = 1; n <= 20; ++n)
    {
        h.run (2, kernelId::amMod, 0.5f, -0.25f, 0.0f);
        const auto expectedPhase = static_cast<std::int32_t> ((150000LL * n) % oscillatorPeriod);
        ASSERT_EQ (phase, expectedPhase);
        const double g = static_cast<double> (oscillatorSine (expectedPhase));
        EXPECT_EQ (h.outLeft, 0.3f * 0.5f + 0.7f * static_cast<float> (0.5 * g));
        EXPECT_EQ (h.outRight, 0.3f * -0.25f + 0.7f * static_cast<float> (-0.25 * g));
    }
    EXPECT_EQ (h.model->kernelBanks().modulator (0).phase[0], 0) << "other slots keep their oscillators";
}

TEST (KernelDispatch, AbsurdParametersKeepTheOscillatorInTheTable)
{
    KernelRig h;
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const float fc : {1.0e30f, -1.0e30f, inf, -inf, nan, -7.0f, 5.0e9f})
    {
        h.set (0, kernelParam::fc, fc);
        for (int n = 0; n < 3; ++n)
        {
            h.run (0, kernelId::amMod, 0.5f, 0.5f, 0.0f);
            const auto phase = h.model->kernelBanks().modulator (0).phase[0];
            ASSERT_GE (phase, 0) << fc;
            ASSERT_LT (phase, oscillatorPeriod) << fc;
        }
    }
}
