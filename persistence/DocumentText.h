#pragma once

#include <juce_core/juce_core.h>

#include <memory>
#include <string_view>

namespace gatevox
{

// Every document the system reads is one element carrying attributes only.
// These read such an element from text that may come from anywhere: a host
// block, a file someone edited, random bytes.
//
// The text is refused (nullptr) when it is longer than maxDocumentBytes, is
// not valid UTF-8, declares a document type (whose entities the framework's
// parser would expand), or holds more than maxAttributeMarks '=' signs. Only
// the outer element is parsed: child elements are never read, so no nesting
// depth can exhaust the stack. A zero byte ends the text.
inline constexpr std::size_t maxDocumentBytes = 1 << 20;
inline constexpr int maxAttributeMarks = 8192;

[[nodiscard]] std::unique_ptr<juce::XmlElement> parseDocumentText (std::string_view utf8);

// The element of a document file, read whole when it is at most
// maxDocumentBytes long; nullptr when it cannot be read or parsed.
[[nodiscard]] std::unique_ptr<juce::XmlElement> parseDocumentFile (const juce::File& file);

// Writes the element with an XML declaration naming "UTF-8" and attributes
// wrapped at 60 characters per line. The text goes to a temporary file beside
// the target, which is then moved over it: a failed write leaves the old file
// as it was and no temporary file behind. Never creates a folder; a target
// that is a folder is never replaced.
[[nodiscard]] bool writeDocumentFile (const juce::XmlElement& element, const juce::File& file);

} // namespace gatevox
