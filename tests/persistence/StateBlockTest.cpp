#include "persistence/StateBlock.h"
#include "persistence/DocumentText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace gatevox;

namespace
{
juce::XmlElement sampleElement()
{
    juce::XmlElement element ("SkiptorStateInfo");
    element.setAttribute ("effect_mix", "0.100000001");
    element.setAttribute ("layer0_pattern0", "5,5,0,5,1,5,5,5,5,5,5,5,5,5,5,5");
    element.setAttribute ("preset_name", juce::String::fromUTF8 ("D\xc3\xbcster <&>"));
    return element;
}

std::unique_ptr<juce::XmlElement> unwrap (const std::string& bytes)
{
    return unwrapStateXml (bytes.data(), static_cast<int> (bytes.size()));
}

std::string blockOf (const std::string& text, juce::uint32 length, juce::uint32 magic = stateBlockMagic)
{
    std::string bytes (8, '\0');
    std::memcpy (bytes.data(), &magic, 4);
    std::memcpy (bytes.data() + 4, &length, 4);
    return bytes + text + '\0';
}

std::string blockOf (const std::string& text)
{
    return blockOf (text, static_cast<juce::uint32> (text.size()));
}
} // namespace

TEST (StateBlock, MatchesTheFrameworksWrapperApartFromTheDeclaration)
{
    const auto element = sampleElement();
    const auto ours = wrapStateXml (element);
    const auto* bytes = static_cast<const char*> (ours.getData());
    EXPECT_EQ (std::string (bytes, 4), "\x56\x43\x32\x21");
    EXPECT_EQ (juce::ByteOrder::littleEndianInt (bytes + 4), ours.getSize() - 9);
    EXPECT_EQ (bytes[ours.getSize() - 1], 0);

    // AudioProcessor::copyXmlToBinary, step by step: the same framing around
    // a declaration, a blank and the same one-line element.
    juce::MemoryBlock theirs;
    {
        juce::MemoryOutputStream out (theirs, false);
        out.writeInt (0x21324356);
        out.writeInt (0);
        element.writeTo (out, juce::XmlElement::TextFormat().singleLine());
        out.writeByte (0);
    }
    static_cast<juce::uint32*> (theirs.getData())[1] = static_cast<juce::uint32> (theirs.getSize() - 9);

    const std::string oursText (bytes + 8, ours.getSize() - 8);
    const std::string theirsText (static_cast<const char*> (theirs.getData()) + 8, theirs.getSize() - 8);
    EXPECT_EQ (theirsText, "<?xml version=\"1.0\" encoding=\"UTF-8\"?> " + oursText);

    // AudioProcessor::getXmlFromBinary reads ours; we read theirs.
    const auto readByFramework =
        juce::parseXML (juce::String::fromUTF8 (bytes + 8, static_cast<int> (ours.getSize() - 8)));
    ASSERT_NE (readByFramework, nullptr);
    EXPECT_TRUE (readByFramework->isEquivalentTo (&element, false));
    const auto readByUs = unwrapStateXml (theirs.getData(), static_cast<int> (theirs.getSize()));
    ASSERT_NE (readByUs, nullptr);
    EXPECT_TRUE (readByUs->isEquivalentTo (&element, false));
}

TEST (StateBlock, RefusesShortForeignAndEmptyBlocks)
{
    const std::string good = "<SkiptorStateInfo a=\"1\"/>";
    EXPECT_EQ (unwrapStateXml (nullptr, 100), nullptr);
    EXPECT_EQ (unwrap (std::string (8, 'x')), nullptr);
    EXPECT_EQ (unwrap (blockOf (good, 25, 0x21324357)), nullptr);
    EXPECT_EQ (unwrap (blockOf (good, 0)), nullptr);
    EXPECT_EQ (unwrap (blockOf (good, 0xffffffff)), nullptr) << "negative length";
    EXPECT_EQ (unwrap (blockOf ("not xml at all")), nullptr);
}

TEST (StateBlock, ReadsNoMoreThanTheBlockOrTheStoredLength)
{
    const std::string text = "<SkiptorStateInfo a=\"1\" b=\"2\"/>";
    const auto whole = unwrap (blockOf (text, 0x7fffffff));
    ASSERT_NE (whole, nullptr);
    EXPECT_EQ (whole->getStringAttribute ("b"), "2");

    const auto cut = unwrap (blockOf (text, 24)); // ends after the first attribute
    ASSERT_NE (cut, nullptr);
    EXPECT_TRUE (cut->hasAttribute ("a"));
    EXPECT_FALSE (cut->hasAttribute ("b"));
}

TEST (StateBlock, HostileTextIsRefusedOrReadAsTheOuterElementOnly)
{
    EXPECT_EQ (unwrap (blockOf ("<SkiptorStateInfo a=\"\xff\xfe\"/>")), nullptr) << "not UTF-8";
    EXPECT_EQ (unwrap (blockOf ("<SkiptorStateInfo a=\"\xc0\xaf\"/>")), nullptr) << "overlong form";
    EXPECT_EQ (unwrap (blockOf ("<!DOCTYPE x [<!ENTITY a \"&a;&a;\">]><SkiptorStateInfo a=\"&a;\"/>")), nullptr);
    EXPECT_EQ (unwrap (blockOf (std::string (maxDocumentBytes, ' ') + "<a/>")), nullptr);

    std::string manyAttributes = "<SkiptorStateInfo";
    for (int i = 0; i < 9000; ++i)
        manyAttributes += " a" + std::to_string (i) + "=\"1\"";
    EXPECT_EQ (unwrap (blockOf (manyAttributes + "/>")), nullptr);

    // Nesting deep enough to exhaust the stack of a recursive parser.
    std::string nested = "<SkiptorStateInfo a=\"1\">";
    for (int i = 0; i < 200000; ++i)
        nested += "<x>";
    const auto outer = unwrap (blockOf (nested));
    ASSERT_NE (outer, nullptr);
    EXPECT_EQ (outer->getStringAttribute ("a"), "1");
    EXPECT_EQ (outer->getNumChildElements(), 0);
}
