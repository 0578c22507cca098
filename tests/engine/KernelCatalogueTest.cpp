#include "kernels/KernelCatalogue.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

using namespace gatevox;

TEST (KernelCatalogue, ListsHaveTheirSizesAndUniqueNames)
{
    EXPECT_EQ (kernelNames.size(), 51u);
    EXPECT_EQ (kernelParameterNames.size(), 40u);
    EXPECT_EQ (kernelParameterUnits.size(), 40u);

    for (int id = 0; id < numKernels; ++id)
        EXPECT_EQ (kernelIdOfName (kernelNames[static_cast<std::size_t> (id)]), id);
    for (int k = 0; k < numKernelParameters; ++k)
        EXPECT_EQ (parameterIndexOfName (kernelParameterNames[static_cast<std::size_t> (k)]), k);
}

TEST (KernelCatalogue, NamesSitAtTheirIds)
{
    EXPECT_EQ (kernelNameOfId (0), "TREMELO");
    EXPECT_EQ (kernelNameOfId (2), "LPF 12dB");
    EXPECT_EQ (kernelNameOfId (17), "HPF SLAPBACK");
    EXPECT_EQ (kernelNameOfId (24), "FORMANT AMDSB");
    EXPECT_EQ (kernelNameOfId (33), "BPF THIN");
    EXPECT_EQ (kernelNameOfId (46), "DISTORT2");
    EXPECT_EQ (kernelNameOfId (48), "SAMPLE HOLD");
    EXPECT_EQ (kernelNameOfId (49), "BYPASS");
    EXPECT_EQ (kernelNameOfId (50), "SILENCE");

    EXPECT_EQ (kernelIdOfName ("STEREO PAN"), kernelId::stereoPan);
    EXPECT_EQ (kernelIdOfName ("HPF 24dB"), kernelId::hpf24dB);
    EXPECT_EQ (kernelIdOfName ("PEAK BIQUAD"), kernelId::peakBiquad);
    EXPECT_EQ (kernelIdOfName ("VIBRATO"), kernelId::vibrato);
    EXPECT_EQ (kernelIdOfName ("AM MOD"), kernelId::amMod);
    EXPECT_EQ (kernelIdOfName ("SAMPLE HOLD"), kernelId::sampleHold);
    EXPECT_EQ (kernelIdOfName ("SILENCE"), kernelId::silence);
}

TEST (KernelCatalogue, IdsOutsideTheCatalogueAreBypass)
{
    for (const int id : {-1, 51, 52, 1000, INT_MIN, INT_MAX})
        EXPECT_EQ (kernelNameOfId (id), "BYPASS") << id;
}

TEST (KernelCatalogue, ParameterNamesAndUnitsSitAtTheirIndices)
{
    EXPECT_EQ (kernelParameterNames[kernelParam::fc], "Fc");
    EXPECT_EQ (kernelParameterNames[kernelParam::rate2], "Rate2");
    EXPECT_EQ (kernelParameterNames[kernelParam::fade], "Fade");
    EXPECT_EQ (kernelParameterNames[kernelParam::mix], "Mix");
    EXPECT_EQ (kernelParameterNames[kernelParam::highCut], "High Cut");
    EXPECT_EQ (kernelParameterNames[kernelParam::midBoost], "Mid Boost");
    EXPECT_EQ (kernelParameterNames[kernelParam::amount], "Amount");
    EXPECT_EQ (kernelParam::amount, 39u);

    EXPECT_EQ (kernelParameterUnits[kernelParam::fc], "Hz");
    EXPECT_EQ (kernelParameterUnits[kernelParam::fmin], "%");
    EXPECT_EQ (kernelParameterUnits[kernelParam::q], " ");
    EXPECT_EQ (kernelParameterUnits[kernelParam::time], "s");
    EXPECT_EQ (kernelParameterUnits[kernelParam::mod], "Hz");
    EXPECT_EQ (kernelParameterUnits[kernelParam::fade], " ");
    EXPECT_EQ (kernelParameterUnits[kernelParam::mix], "%");
    EXPECT_EQ (kernelParameterUnits[kernelParam::delay1], "s");
    EXPECT_EQ (kernelParameterUnits[kernelParam::amount], " ");

    const std::set<std::string_view> units{"Hz", "%", "s", " "};
    for (const auto unit : kernelParameterUnits)
        EXPECT_EQ (units.count (unit), 1u) << unit;
}

TEST (KernelCatalogue, NameLookupIsExactAndCaseSensitive)
{
    EXPECT_EQ (kernelIdOfName ("lpf 12dB"), -1);
    EXPECT_EQ (kernelIdOfName ("LPF 12DB"), -1);
    EXPECT_EQ (kernelIdOfName ("LPF12dB"), -1);
    EXPECT_EQ (kernelIdOfName ("LPF 12dB "), -1);
    EXPECT_EQ (kernelIdOfName (""), -1);

    EXPECT_EQ (parameterIndexOfName ("mix"), -1);
    EXPECT_EQ (parameterIndexOfName ("HighCut"), -1);
    EXPECT_EQ (parameterIndexOfName ("Units"), -1);
    EXPECT_EQ (parameterIndexOfName (""), -1);
    EXPECT_EQ (parameterIndexOfName ("High Cut"), 33);

    // A slot's selectors are 1-based into the parameter list.
    EXPECT_EQ (parameterIndexOfName ("Fc"), 1 - 1);
    EXPECT_EQ (parameterIndexOfName ("Amount"), 40 - 1);
}

TEST (KernelCatalogue, KeyDropsEveryBlankAndNothingElse)
{
    EXPECT_EQ (kernelKey ("LPF 12dB"), "LPF12dB");
    EXPECT_EQ (kernelKey ("SAMPLE HOLD"), "SAMPLEHOLD");
    EXPECT_EQ (kernelKey ("FORMANT AMDSB"), "FORMANTAMDSB");
    EXPECT_EQ (kernelKey ("DISTORT2"), "DISTORT2");
    EXPECT_EQ (kernelKey ("  a b  c "), "abc");
    EXPECT_EQ (kernelKey ("x\ty-z"), "x\ty-z");
    EXPECT_EQ (kernelKey (""), "");

    std::set<std::string> keys;
    for (const auto name : kernelNames)
        keys.insert (kernelKey (name));
    EXPECT_EQ (keys.size(), kernelNames.size());
    EXPECT_EQ (keys.count ("LPFMOOG"), 0u);
}

TEST (KernelCatalogue, NormalisedPositionSpansTheCurrentRange)
{
    KernelParamStore store;
    store.minimum.drainingRelease (kernelParam::fc, 1.0f);
    store.maximum.drainingRelease (kernelParam::fc, 20000.0f);

    EXPECT_EQ (valueOfNormalisedPosition (store, kernelParam::fc, 0.0f), 1.0f);
    EXPECT_EQ (valueOfNormalisedPosition (store, kernelParam::fc, 1.0f), 20000.0f);
    EXPECT_EQ (valueOfNormalisedPosition (store, kernelParam::fc, 0.5f), 10000.5f);

    // An empty range gives Min whatever the position.
    EXPECT_EQ (valueOfNormalisedPosition (store, kernelParam::mix, 0.7f), 0.0f);

    // A range written "upside down" is followed as it stands.
    store.minimum.drainingRelease (kernelParam::mix, 1.0f);
    store.maximum.drainingRelease (kernelParam::mix, 0.0f);
    EXPECT_EQ (valueOfNormalisedPosition (store, kernelParam::mix, 0.25f), 0.75f);

    // A range whose span overflows the float range still gives its ends and
    // finite values between them.
    store.minimum.drainingRelease (kernelParam::q, -3.0e38f);
    store.maximum.drainingRelease (kernelParam::q, 3.0e38f);
    EXPECT_EQ (valueOfNormalisedPosition (store, kernelParam::q, 0.0f), -3.0e38f);
    EXPECT_EQ (valueOfNormalisedPosition (store, kernelParam::q, 1.0f), 3.0e38f);
    EXPECT_EQ (valueOfNormalisedPosition (store, kernelParam::q, 0.5f), 0.0f);
    EXPECT_FLOAT_EQ (valueOfNormalisedPosition (store, kernelParam::q, 0.75f), 1.5e38f);
}

TEST (KernelCatalogue, NormalisedPositionClampsTheIndexIntoTheArray)
{
    KernelParamStore store;
    const std::size_t last = KernelParamStore::Block::size - 1;
    store.minimum.drainingRelease (last, 2.0f);
    store.maximum.drainingRelease (last, 4.0f);

    EXPECT_EQ (valueOfNormalisedPosition (store, last + 1, 0.5f), 3.0f);
    EXPECT_EQ (valueOfNormalisedPosition (store, static_cast<std::size_t> (-1), 0.5f), 3.0f);
}
