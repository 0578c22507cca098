#include "persistence/StateBlock.h"

#include "persistence/DocumentText.h"

namespace gatevox
{

juce::MemoryBlock wrapStateXml (const juce::XmlElement& element)
{
    juce::MemoryBlock block;
    {
        juce::MemoryOutputStream out (block, false);
        out.writeInt (static_cast<int> (stateBlockMagic));
        out.writeInt (0);
        element.writeTo (out, juce::XmlElement::TextFormat().singleLine().withoutHeader());
        out.writeByte (0);
    }

    // The length field counts the text only: not the eight header bytes, not the zero byte.
    const auto length = juce::ByteOrder::swapIfBigEndian (static_cast<juce::uint32> (block.getSize() - 9));
    block.copyFrom (&length, 4, sizeof (length));
    return block;
}

std::unique_ptr<juce::XmlElement> unwrapStateXml (const void* data, int sizeInBytes)
{
    if (data == nullptr || sizeInBytes <= 8)
        return nullptr;

    const auto* bytes = static_cast<const char*> (data);
    if (juce::ByteOrder::littleEndianInt (bytes) != stateBlockMagic)
        return nullptr;

    const auto storedLength = static_cast<int> (juce::ByteOrder::littleEndianInt (bytes + 4));
    if (storedLength <= 0)
        return nullptr;

    const auto length = static_cast<std::size_t> (juce::jmin (sizeInBytes - 8, storedLength));
    return parseDocumentText ({bytes + 8, length});
}

} // namespace gatevox
