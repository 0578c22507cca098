#include "persistence/DocumentText.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace gatevox
{
namespace
{
// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
[[nodiscard]] bool isValidUtf8 (std::string_view text) noexcept
{
    const auto* p = reinterpret_cast<const unsigned char*> (text.data());
    const auto* end = p + text.size();

    while (p < end)
    {
        const unsigned c = *p++;
        if (c < 0x80)
            continue;

        int extra = 0;
        unsigned lowest = 0;
        unsigned code = 0;
        if ((c & 0xe0) == 0xc0)
        {
            extra = 1;
            lowest = 0x80;
            code = c & 0x1f;
        }
        else if ((c & 0xf0) == 0xe0)
        {
            extra = 2;
            lowest = 0x800;
            code = c & 0x0f;
        }
        else if ((c & 0xf8) == 0xf0)
        {
            extra = 3;
            lowest = 0x10000;
            code = c & 0x07;
        }
        else
        {
            return false;
        }

        if (end - p < extra)
            return false;

        for (int i = 0; i < extra; ++i)
        {
            const unsigned next = *p++;
            if ((next & 0xc0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3f);
        }

        if (code < lowest || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
            return false;
    }

    return true;
}

[[nodiscard]] bool containsIgnoringCase (std::string_view text, std::string_view word) noexcept
{
    const auto lower = [] (char c) { return c >= 'A' && c <= 'Z' ? static_cast<char> (c - 'A' + 'a') : c; };
    const auto found = std::search (text.begin(), text.end(), word.begin(), word.end(),
                                    [&] (char a, char b) { return lower (a) == lower (b); });
    return found != text.end();
}
} // namespace

std::unique_ptr<juce::XmlElement> parseDocumentText (std::string_view utf8)
{
    utf8 = utf8.substr (0, std::min (utf8.size(), utf8.find ('\0')));
    if (utf8.starts_with ("\xef\xbb\xbf"))
        utf8.remove_prefix (3);

    if (utf8.empty() || utf8.size() > maxDocumentBytes || !isValidUtf8 (utf8) ||
        containsIgnoringCase (utf8, "<!DOCTYPE") || std::count (utf8.begin(), utf8.end(), '=') > maxAttributeMarks)
        return nullptr;

    juce::XmlDocument document (juce::String::fromUTF8 (utf8.data(), static_cast<int> (utf8.size())));
    return document.getDocumentElement (true);
}

std::unique_ptr<juce::XmlElement> parseDocumentFile (const juce::File& file)
{
    if (!file.existsAsFile())
        return nullptr;

    juce::FileInputStream in (file);
    if (!in.openedOk())
        return nullptr;

    // One byte more than a document may hold tells a file that is too long.
    juce::MemoryBlock bytes;
    in.readIntoMemoryBlock (bytes, static_cast<ssize_t> (maxDocumentBytes) + 1);
    return parseDocumentText ({static_cast<const char*> (bytes.getData()), bytes.getSize()});
}

bool writeDocumentFile (const juce::XmlElement& element, const juce::File& file)
{
    if (!file.getParentDirectory().isDirectory() || file.isDirectory())
        return false;

    // A short hidden name that no listing of ".xml" files picks up, whatever
    // the length of the target's name. The temporary file is deleted on every
    // way out; after the move there is nothing left to delete.
    const auto folder = file.getParentDirectory();
    juce::TemporaryFile temporary (
        file, folder.getNonexistentChildFile (".saving-" + juce::String::toHexString (juce::Random().nextInt()), ".tmp",
                                              false));
    {
        juce::FileOutputStream out (temporary.getFile());
        if (!out.openedOk())
            return false;

        element.writeTo (out, juce::XmlElement::TextFormat());
        out.flush();
        if (out.getStatus().failed())
            return false;
    }

    // One rename replaces the target whole, or leaves it as it was.
    std::error_code error;
    std::filesystem::rename (temporary.getFile().getFullPathName().toStdString(), file.getFullPathName().toStdString(),
                             error);
    return !error;
}

} // namespace gatevox
