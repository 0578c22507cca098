#include "persistence/KernelDefaults.h"
#include "kernels/KernelCatalogue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

using namespace gatevox;

namespace
{
struct ExpectedParameter
{
    std::size_t k;
    double value;
    double minimum;
    double maximum;
};

struct ExpectedKernel
{
    int id;
    std::vector<ExpectedParameter> parameters;
};

namespace kp = kernelParam;

// Defaults and ranges of every kernel that has an entry: parameter, value, minimum, maximum.
const std::vector<ExpectedKernel> expectedKernels{
    {kernelId::tremolo, {{kp::depth, 1, 0.1, 1}}},
    {kernelId::stereoPan, {{kp::depth, 1, 0.1, 1}}},
    {kernelId::lpf12dB,
     {{kp::fc, 3000, 1, 20000}, {kp::fmin, 0.1, 0.01, 1}, {kp::q, 1.414, 0.5, 2}, {kp::mix, 1, 0.001, 1}}},
    {kernelId::lpf24dB,
     {{kp::fc, 12000, 1, 20000}, {kp::fmin, 0.1, 0.01, 1}, {kp::q, 1.414, 0.5, 2}, {kp::mix, 1, 0.001, 1}}},
    {kernelId::lpfSvf1,
     {{kp::fc, 7000, 1, 15000}, {kp::fmin, 0.1, 0.1, 1}, {kp::q, 0.83, 0.1, 2}, {kp::mix, 1, 0.001, 1}}},
    {kernelId::lpfFuzz,
     {{kp::fc, 3400, 1, 14000},
      {kp::fmin, 0.1, 0.1, 1},
      {kp::q, 1, 0.1, 1.2},
      {kp::drive, 0.3, 0.001, 1},
      {kp::mix, 1, 0.001, 1}}},
    {kernelId::lpfGrunge,
     {{kp::fc, 7000, 1, 15000},
      {kp::fmin, 0.1, 0.1, 1},
      {kp::q, 0.7071, 0.1, 2},
      {kp::drive, 0.52, 0.001, 1},
      {kp::mix, 1, 0.001, 1}}},
    {kernelId::lpfComb,
     {{kp::fc, 10000, 1, 20000}, {kp::fmin, 0.2, 0.01, 1}, {kp::q, 1.414, 0.5, 2}, {kp::mix, 1, 0.001, 1}}},
    {kernelId::lpfColor,
     {{kp::fc, 4000, 1, 15000}, {kp::fmin, 0.2, 0.01, 1}, {kp::color, 0.35, 0.1, 1}, {kp::mix, 0.7, 0.001, 1}}},
    {kernelId::lpfDoubler,
     {{kp::fc, 7000, 1, 15000},
      {kp::fmin, 0.1, 0.1, 1},
      {kp::delay1, 0.01, 0.006, 0.015},
      {kp::feedback, 0.7, 0, 1},
      {kp::mix, 1, 0.001, 1}}},
    {kernelId::lpfSlapback,
     {{kp::fc, 7000, 1, 15000},
      {kp::fmin, 0.1, 0.1, 1},
      {kp::delay1, 0.01, 0.006, 0.015},
      {kp::feedback, 0.9, 0, 1},
      {kp::mix, 0.9, 0.001, 1}}},
    {kernelId::hpfSvf1,
     {{kp::fc, 5000, 1, 15000}, {kp::fmin, 0.667, 0.01, 1}, {kp::res, 0.777, 0.1, 1}, {kp::mix, 1, 0.001, 1}}},
    {kernelId::hpfFuzz,
     {{kp::fc, 5000, 1, 15000},
      {kp::fmin, 0.1, 0.01, 1},
      {kp::res, 0.777, 0.1, 1},
      {kp::drive, 0.2, 0.1, 1},
      {kp::mix, 1, 0.001, 1}}},
    {kernelId::hpfGrunge,
     {{kp::fc, 5000, 1, 15000},
      {kp::fmin, 0.1, 0.01, 1},
      {kp::res, 0.777, 0.1, 1},
      {kp::drive, 0.2, 0.001, 1},
      {kp::mix, 0.7, 0.001, 1}}},
    {kernelId::hpfComb,
     {{kp::fc, 2000, 1, 15000}, {kp::fmin, 0.1, 0.01, 1}, {kp::q, 0.777, 0.1, 1.5}, {kp::mix, 1, 0.001, 1}}},
    {kernelId::hpfColor,
     {{kp::fc, 5000, 1, 15000}, {kp::fmin, 0.2, 0.01, 1}, {kp::mix, 0.8, 0.001, 1}, {kp::color, 0.4, 0.1, 1}}},
    {kernelId::hpfDoubler,
     {{kp::fc, 5000, 1, 15000},
      {kp::fmin, 0.1, 0.01, 1},
      {kp::delay1, 0.01, 0.006, 0.015},
      {kp::feedback, 0.7, 0, 1},
      {kp::mix, 0.6, 0.001, 1}}},
    {kernelId::hpfSlapback,
     {{kp::fc, 3000, 1, 15000},
      {kp::fmin, 0.111, 0.01, 1},
      {kp::delay1, 0.01, 0.006, 0.015},
      {kp::feedback, 0.93, 0, 1},
      {kp::mix, 0.9, 0.001, 1}}},
    {kernelId::hpf12dB,
     {{kp::fc, 2000, 1, 15000},
      {kp::fmin, 0.1, 0.01, 1},
      {kp::q, 0.777, 0.1, 1.5},
      {kp::mix, 1, 0.001, 1},
      {kp::drive, 0.999, 0.1, 1}}},
    {kernelId::hpf24dB,
     {{kp::fc, 2000, 1, 15000},
      {kp::fmin, 0.1, 0.1, 1},
      {kp::q, 0.777, 0.01, 1.5},
      {kp::mix, 1, 0.001, 1},
      {kp::drive, 0.999, 0.1, 1}}},
    {kernelId::hpfAmDsb,
     {{kp::fc, 5000, 1, 15000}, {kp::fmin, 0.333, 0.01, 1}, {kp::freq1, 7000, 1000, 10000}, {kp::mix, 1, 0.001, 1}}},
    {kernelId::hpfAmSsb,
     {{kp::fc, 4000, 1, 15000}, {kp::fmin, 0.333, 0.01, 1}, {kp::freq1, 7000, 1000, 10000}, {kp::mix, 1, 0.001, 1}}},
    {kernelId::notch, {{kp::fc, 6000, 1, 20000}, {kp::fmin, 0.2, 0.01, 1}, {kp::mix, 1, 0.001, 1}}},
    {kernelId::formant, {{kp::vowel, 0.4, 0.01, 1}, {kp::fc, 2000, 333, 15000}, {kp::mix, 0.7, 0.01, 1}}},
    {kernelId::formantAmDsb, {{kp::fc, 5900, 1000, 10000}, {kp::amount, 1, 0.7, 1.5}, {kp::mix, 1, 0.1, 1}}},
    {kernelId::formantAmSsb, {{kp::fc, 3130, 666, 10000}, {kp::amount, 1, 0.7, 1.5}, {kp::mix, 1, 0.1, 1}}},
    {kernelId::peakSvf, {{kp::fc, 10000, 1, 15000}, {kp::q, 0.36, 0.1, 1.75}, {kp::mix, 0.7, 0.001, 1}}},
    {kernelId::peakBiquad,
     {{kp::fc, 1120, 1, 6000}, {kp::fmin, 0.2795, 0.001, 0.999}, {kp::gain, 6, 1, 24}, {kp::mix, 1, 0.001, 1}}},
    {kernelId::bpfSvf1,
     {{kp::fc, 2600, 1, 15000}, {kp::q, 0.17, 0.1, 0.666}, {kp::bw, 4000, 100, 10000}, {kp::mix, 0.6, 0.001, 1}}},
    {kernelId::bpfAmDsb,
     {{kp::fc, 2600, 1, 15000}, {kp::freq1, 2600, 1, 15000}, {kp::amount, 1, 0.5, 1.5}, {kp::mix, 0.7, 0.1, 1}}},
    {kernelId::bpfAmSsb,
     {{kp::fc, 2600, 100, 15000}, {kp::freq1, 2000, 1000, 10000}, {kp::amount, 1.4, 0.5, 1.5}, {kp::mix, 0.7, 0.1, 1}}},
    {kernelId::bpfExcited,
     {{kp::fc, 2600, 1, 15000}, {kp::q, 0.17, 0.1, 2}, {kp::bw, 4000, 100, 10000}, {kp::mix, 1, 0.001, 1}}},
    {kernelId::bpfGrunge,
     {{kp::fc, 2600, 100, 15000},
      {kp::q, 0.17, 0.333, 2},
      {kp::bw, 4000, 100, 10000},
      {kp::drive, 0.2, 0.001, 1},
      {kp::mix, 0.7, 0.001, 1}}},
    {kernelId::bpfThin,
     {{kp::fc, 2000, 10, 9000}, {kp::bw, 500, 10, 2000}, {kp::q, 3, 0.01, 12}, {kp::mix, 0.9071, 0, 1}}},
    {kernelId::resonator,
     {{kp::freq1, 8800, 100, 15000}, {kp::freq2, 2200, 100, 15000}, {kp::q, 0.9, 0.1, 0.999}, {kp::mix, 1, 0.1, 1}}},
    {kernelId::delayMod,
     {{kp::width, 0.1, 0.1, 0.999}, {kp::delay1, 0.1, 0.001, 0.3}, {kp::feedback, 0.3, 0, 1}, {kp::mix, 0.4, 0.1, 1}}},
    {kernelId::vibrato,
     {{kp::delay1, 0.015, 0, 0.03}, {kp::width, 1, 0.01, 0.9}, {kp::feedback, 1, 0, 0.2}, {kp::mix, 0.5, 0.1, 1}}},
    {kernelId::slapback,
     {{kp::width, 0.4, 0, 0.999}, {kp::delay1, 0.013, 0.001, 0.05}, {kp::feedback, 0.9, 0, 1}, {kp::mix, 0.4, 0, 1}}},
    {kernelId::ringMod, {{kp::fc, 3000, 1, 20000}, {kp::mix, 0.3, 0.1, 1}}},
    {kernelId::fmMod, {{kp::fc, 1000, 100, 20000}, {kp::mix, 0.7, 0.1, 1}}},
    {kernelId::pmMod, {{kp::fc, 1000, 100, 20000}, {kp::mix, 0.7, 0.1, 1}}},
    {kernelId::amDsb, {{kp::fc, 5000, 100, 20000}, {kp::amount, 0.7, 0.1, 1.5}, {kp::mix, 0.7, 0.1, 1}}},
    {kernelId::amSsb, {{kp::fc, 3000, 100, 20000}, {kp::amount, 1, 0.5, 1.5}, {kp::mix, 0.7, 0.1, 1}}},
    {kernelId::amMod, {{kp::fc, 3000, 100, 20000}, {kp::amount, 1, 0.5, 1.5}, {kp::mix, 0.7, 0.1, 1}}},
    {kernelId::resampler, {{kp::rate1, 22050, 1024, 44100}, {kp::mix, 1, 0.1, 1}}},
    {kernelId::distort, {{kp::drive, 0.5, 0, 1}, {kp::mix, 0.7, 0, 1}}},
    {kernelId::distort2, {{kp::drive, 0.5, 0.1, 1}}},
    {kernelId::distort3, {{kp::drive, 0.5, 0.1, 1}, {kp::mix, 0.7, 0, 1}}},
    {kernelId::sampleHold, {{kp::delay1, 0.0007, 0, 0.001}, {kp::amount, 0.9, 0, 1}, {kp::mix, 0.7, 0, 1}}},
};

juce::String nameOf (int id)
{
    return juce::String (std::string (kernelNameOfId (id)));
}

// Every parameter listed holds exactly its value and range; every other one is
// back at 0 with factor 1.
void expectOnly (const KernelParamStore& store, const std::vector<ExpectedParameter>& listed, const juce::String& where)
{
    for (std::size_t k = 0; k < static_cast<std::size_t> (numKernelParameters); ++k)
    {
        ExpectedParameter expected{k, 0.0, 0.0, 0.0};
        for (const auto& p : listed)
            if (p.k == k)
                expected = p;

        EXPECT_EQ (store.value.read (k), static_cast<float> (expected.value)) << where << ", k " << k;
        EXPECT_EQ (store.minimum.read (k), static_cast<float> (expected.minimum)) << where << ", k " << k;
        EXPECT_EQ (store.maximum.read (k), static_cast<float> (expected.maximum)) << where << ", k " << k;
        EXPECT_EQ (store.factor.read (k), 1.0f) << where << ", k " << k;
    }
}
} // namespace

TEST (KernelDefaults, EveryKernelLoadsItsDefaultsAndRanges)
{
    ASSERT_EQ (expectedKernels.size(), 49u);
    KernelDefaultsLoader loader;
    KernelParamStore store;

    for (std::size_t i = 0; i < expectedKernels.size(); ++i)
    {
        const auto& kernel = expectedKernels[i];
        ASSERT_EQ (kernel.id, static_cast<int> (i));
        loader.load (store, nameOf (kernel.id));
        expectOnly (store, kernel.parameters, nameOf (kernel.id));
    }
}

TEST (KernelDefaults, DefaultsArriveInBothCopies)
{
    KernelDefaultsLoader loader;
    KernelParamStore store;
    loader.load (store, "LPF 12dB");

    // While a writer holds the counters, readers see the previous copies.
    store.value.writeCounter().raise();
    store.minimum.writeCounter().raise();
    store.maximum.writeCounter().raise();
    EXPECT_EQ (store.value.read (kp::fc), 3000.0f);
    EXPECT_EQ (store.minimum.read (kp::fc), 1.0f);
    EXPECT_EQ (store.maximum.read (kp::fc), 20000.0f);
    store.value.writeCounter().lower();
    store.minimum.writeCounter().lower();
    store.maximum.writeCounter().lower();
}

TEST (KernelDefaults, Distort2LoadsDespiteTheTrailingComma)
{
    KernelDefaultsLoader loader;
    KernelParamStore store;
    loader.load (store, "DISTORT2");
    expectOnly (store, {{kp::drive, 0.5, 0.1, 1.0}}, "DISTORT2");
}

TEST (KernelDefaults, KernelsWithoutAnEntryLeaveEverythingZero)
{
    KernelDefaultsLoader loader;
    KernelParamStore store;

    // The key match is exact: case counts, and only blanks are dropped.
    for (const char* name : {"BYPASS", "SILENCE", "lpf 12dB", "LPF-12dB", ""})
    {
        loader.load (store, "LPF DOUBLER");
        loader.load (store, name);
        expectOnly (store, {}, name);
    }
}

TEST (KernelDefaults, VibratoDefaultsLieAboveTheirMaxima)
{
    KernelDefaultsLoader loader;
    KernelParamStore store;
    loader.load (store, "VIBRATO");

    EXPECT_EQ (store.value.read (kp::width), 1.0f);
    EXPECT_EQ (store.maximum.read (kp::width), 0.9f);
    EXPECT_EQ (store.value.read (kp::feedback), 1.0f);
    EXPECT_EQ (store.maximum.read (kp::feedback), 0.2f);
}

TEST (KernelDefaults, ParsesTheDocumentOncePerLoader)
{
    KernelDefaultsLoader first;
    KernelDefaultsLoader second;
    KernelParamStore store;
    EXPECT_EQ (first.parseCount(), 0);

    for (int round = 0; round < 5; ++round)
        for (int id = 0; id < numKernels; ++id)
            first.load (store, nameOf (id));
    EXPECT_EQ (first.parseCount(), 1);
    EXPECT_EQ (second.parseCount(), 0);

    // Each loader keeps a tree of its own, parsed even by a load that finds no entry.
    second.load (store, "BYPASS");
    second.load (store, "NOTCH");
    EXPECT_EQ (second.parseCount(), 1);
    EXPECT_EQ (first.parseCount(), 1);
    EXPECT_EQ (store.value.read (kp::fc), 6000.0f);
}

TEST (KernelDefaults, LoadingResetsWhatThePreviousKernelLeft)
{
    KernelDefaultsLoader loader;
    KernelParamStore store;
    loader.load (store, "LPF DOUBLER");

    // The envelope drives two factors and a stray value sits where this kernel reads nothing.
    store.factor.drainingRelease (kp::fc, 0.25f);
    store.factor.drainingRelease (kp::delay1, 0.0f);
    store.value.drainingRelease (kp::amount, 7.0f);
    store.maximum.drainingRelease (kp::amount, 9.0f);

    loader.load (store, "HPF 12dB");
    expectOnly (store,
                {{kp::fc, 2000, 1, 15000},
                 {kp::fmin, 0.1, 0.01, 1},
                 {kp::q, 0.777, 0.1, 1.5},
                 {kp::mix, 1, 0.001, 1},
                 {kp::drive, 0.999, 0.1, 1}},
                "HPF 12dB after LPF DOUBLER");
}

TEST (KernelDefaults, ReaderSeesOnlyWholeValuesWhileKernelsChange)
{
    KernelDefaultsLoader loader;
    KernelParamStore store;
    loader.load (store, "LPF 12dB");

    std::atomic<bool> done{false};
    std::atomic<int> strayValues{0};
    std::thread reader (
        [&]
        {
            while (!done.load())
            {
                const float v = store.effective (kp::fc);
                if (v != 0.0f && v != 3000.0f && v != 2000.0f)
                    strayValues.fetch_add (1);
            }
        });

    for (int i = 0; i < 200; ++i)
        loader.load (store, (i % 2) == 0 ? "HPF 12dB" : "LPF 12dB");
    done.store (true);
    reader.join();

    EXPECT_EQ (strayValues.load(), 0);
    EXPECT_EQ (store.value.read (kp::fc), 3000.0f);
}
