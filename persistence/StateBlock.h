#pragma once

#include <juce_core/juce_core.h>

#include <memory>

namespace gatevox
{

// The framework's binary wrapper around an XML state document, as hosts store
// it: the magic number 0x21324356 and the text length N, both 32-bit little
// endian, then the N bytes of the element as UTF-8 text on one line, then one
// zero byte. The text carries no XML declaration.
inline constexpr juce::uint32 stateBlockMagic = 0x21324356;

[[nodiscard]] juce::MemoryBlock wrapStateXml (const juce::XmlElement& element);

// The element of a block; nullptr when the block is 8 bytes or shorter, has
// another magic number, a length of 0 or less, or text that does not parse
// (see parseDocumentText). At most the smaller of size - 8 bytes and the
// stored length are read. Also reads blocks whose text starts with a
// declaration, as the framework's own writer makes them.
[[nodiscard]] std::unique_ptr<juce::XmlElement> unwrapStateXml (const void* data, int sizeInBytes);

} // namespace gatevox
