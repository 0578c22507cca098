#include "persistence/KernelParameterDocument.h"
#include "kernels/KernelCatalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace gatevox;

namespace
{
juce::var parsedDocument()
{
    juce::var document;
    const auto result = juce::JSON::parse (kernelParameterDocumentText(), document);
    EXPECT_TRUE (result.wasOk()) << result.getErrorMessage();
    return document;
}

const juce::NamedValueSet& membersOf (const juce::var& object)
{
    static const juce::NamedValueSet none;
    auto* dynamic = object.getDynamicObject();
    return dynamic == nullptr ? none : dynamic->getProperties();
}

const std::set<std::string> unreachableKeys{
    "FORMANTSOFT", "ENVELOPE",    "CHORUS",   "AMMILITARY",  "DISTORT4",    "LPFSALLEN", "LPFDAFT",
    "ECHO",        "ECHOSTEREO",  "FLANGER",  "SHEPARDTONE", "LPFMIRROR",   "LPFMOOG",   "LPFSVF2",
    "LPFSVF3",     "PHASER",      "DENOISE",  "BPFSVFAMDSB", "BPFSVFAMSSB", "BPFSVF2",   "BPF12dB",
    "GATE",        "STEREODELAY", "DETUNE",   "PITCHSHIFT1", "PITCHDELAY",  "REVERSE",   "REVERB",
    "AUTOWAH",     "AUTOWAHFM",   "DECIMATE", "DISPERSE",    "DISTORTSMH",
};
} // namespace

TEST (KernelParameterDocument, HoldsAnEntryPerKernelAndTheUnreachableOnes)
{
    const auto document = parsedDocument();
    ASSERT_TRUE (document.isObject());
    const auto& entries = membersOf (document);
    EXPECT_EQ (entries.size(), 82);

    for (int id = 0; id < kernelId::bypass; ++id)
    {
        const auto key = kernelKey (kernelNameOfId (id));
        EXPECT_TRUE (entries.contains (juce::Identifier (key))) << key;
        EXPECT_EQ (unreachableKeys.count (key), 0u) << key;
    }
    EXPECT_FALSE (entries.contains ("BYPASS"));
    EXPECT_FALSE (entries.contains ("SILENCE"));

    EXPECT_EQ (unreachableKeys.size(), 33u);
    for (const auto& key : unreachableKeys)
        EXPECT_TRUE (entries.contains (juce::Identifier (key))) << key;
}

TEST (KernelParameterDocument, EveryMemberIsAParameterWithKnownFields)
{
    const std::set<juce::String> fields{"Units", "Value", "Max", "Min", "min"};

    const auto document = parsedDocument();
    for (const auto& entry : membersOf (document))
    {
        EXPECT_GT (membersOf (entry.value).size(), 0) << entry.name.toString();
        for (const auto& parameter : membersOf (entry.value))
        {
            const auto where = entry.name.toString() + " " + parameter.name.toString();
            EXPECT_GE (parameterIndexOfName (parameter.name.toString().toStdString()), 0) << where;
            EXPECT_TRUE (membersOf (parameter.value).contains ("Value")) << where;
            for (const auto& field : membersOf (parameter.value))
                EXPECT_EQ (fields.count (field.name.toString()), 1u) << where << " " << field.name.toString();
        }
    }
}

TEST (KernelParameterDocument, KeepsItsIrregularities)
{
    const auto text = kernelParameterDocumentText();
    const auto distort2 =
        text.fromFirstOccurrenceOf ("\"DISTORT2\"", false, false).upToFirstOccurrenceOf ("\"DISTORT3\"", false, false);
    EXPECT_TRUE (distort2.contains ("},\n    },")) << distort2;

    const auto chorusDelay = text.fromFirstOccurrenceOf ("\"CHORUS\"", false, false)
                                 .fromFirstOccurrenceOf ("\"Delay1\"", false, false)
                                 .upToFirstOccurrenceOf ("\n", false, false);
    EXPECT_TRUE (chorusDelay.containsChar ('\t')) << chorusDelay;

    const auto document = parsedDocument();
    EXPECT_FALSE (membersOf (document["ECHO"]["Width"]).contains ("Units"));
    EXPECT_FALSE (membersOf (document["RINGMOD"]["Mix"]).contains ("Units"));
    EXPECT_TRUE (membersOf (document["RINGMOD"]["Mix"]).contains ("Min"));
    for (const char* key : {"PITCHSHIFT1", "PITCHDELAY"})
    {
        EXPECT_TRUE (membersOf (document[key]["Fade"]).contains ("min")) << key;
        EXPECT_FALSE (membersOf (document[key]["Fade"]).contains ("Min")) << key;
    }
    EXPECT_EQ (membersOf (document["DISTORT2"]).size(), 1);
}

TEST (KernelParameterDocument, TextIsEightBit)
{
    const auto text = kernelParameterDocumentText();
    EXPECT_GT (text.length(), 10000);
    for (auto p = text.getCharPointer(); !p.isEmpty();)
        EXPECT_LT (static_cast<std::uint32_t> (p.getAndAdvance()), 256u);
}
