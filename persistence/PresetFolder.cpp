#include "persistence/PresetFolder.h"

#include "persistence/DocumentText.h"
#include "persistence/PresetDocument.h"
#include "persistence/SharedFolder.h"

namespace gatevox
{
namespace
{
const juce::String extension (".xml");

// The longest file name common file systems take, in UTF-8 bytes.
constexpr std::size_t longestFileName = 255;

[[nodiscard]] bool isControlCharacter (juce::juce_wchar c) noexcept
{
    return c < 0x20 || (c >= 0x7f && c < 0xa0);
}
} // namespace

juce::String describePresetResult (PresetResult result)
{
    switch (result)
    {
    case PresetResult::done:
        return "Done.";
    case PresetResult::emptyName:
        return "Please enter a name for the preset.";
    case PresetResult::nameIsPath:
        return "A preset name cannot contain '/' or '\\', nor be \".\" or \"..\".";
    case PresetResult::nameHasControlCharacter:
        return "A preset name cannot contain control characters.";
    case PresetResult::nameTooLong:
        return "The preset name is too long.";
    case PresetResult::missingFile:
        return "The preset could not be found.";
    case PresetResult::notAPreset:
        return "The file is not a Gatevox preset.";
    case PresetResult::writeFailed:
        return "The preset could not be written to the preset folder.";
    }
    return {};
}

PresetResult checkPresetName (const juce::String& name)
{
    if (name.isEmpty())
        return PresetResult::emptyName;
    if (name.containsAnyOf ("/\\") || name == "." || name == "..")
        return PresetResult::nameIsPath;

    for (auto p = name.getCharPointer(); !p.isEmpty(); ++p)
        if (isControlCharacter (*p))
            return PresetResult::nameHasControlCharacter;

    if ((name + extension).getNumBytesAsUTF8() > longestFileName)
        return PresetResult::nameTooLong;
    return PresetResult::done;
}

std::optional<juce::File> presetFile (const juce::File& folder, const juce::String& name)
{
    if (checkPresetName (name) != PresetResult::done)
        return std::nullopt;

    // The framework reads a name that starts with "~" as a home folder; after
    // "./" every name is a plain name in the folder.
    const auto file = folder.getChildFile ("./" + name + extension);
    if (file.getParentDirectory() != folder)
        return std::nullopt;
    return file;
}

juce::File defaultPresetFolder()
{
    return sharedFolder().getChildFile ("Presets");
}

PresetResult savePreset (ProcessorModel& model, const juce::File& folder, const juce::String& name,
                         double hostSampleRate)
{
    const auto problem = checkPresetName (name);
    if (problem != PresetResult::done)
        return problem;

    const auto file = presetFile (folder, name);
    if (!file || !writeDocumentFile (*writePresetDocument (model, name, hostSampleRate), *file))
        return PresetResult::writeFailed;
    return PresetResult::done;
}

juce::StringArray listPresets (const juce::File& folder)
{
    juce::StringArray names;
    for (const auto& entry : juce::RangedDirectoryIterator (folder, false, "*" + extension, juce::File::findFiles))
    {
        // The name is what precedes ".xml", so that loading it finds this very
        // file: ".xml" itself has an empty name and is left out.
        const auto name = entry.getFile().getFileName().dropLastCharacters (extension.length());
        if (checkPresetName (name) == PresetResult::done)
            names.add (name);
    }
    return names;
}

PresetResult loadPreset (ProcessorModel& model, const juce::File& folder, const juce::String& name,
                         const juce::CriticalSection& editorLock)
{
    const auto problem = checkPresetName (name);
    if (problem != PresetResult::done)
        return problem;

    const auto file = presetFile (folder, name);
    return file ? loadPresetFile (model, *file, editorLock) : PresetResult::nameIsPath;
}

PresetResult loadPresetFile (ProcessorModel& model, const juce::File& file, const juce::CriticalSection& editorLock)
{
    // The editor's timer stands still from before the lock is waited for
    // until the model is whole again.
    model.reloadInProgress.fetch_add (1);
    const juce::ScopedLock lock (editorLock);

    if (!file.existsAsFile() || file.getSize() == 0)
    {
        model.reloadInProgress.fetch_sub (1);
        return PresetResult::missingFile;
    }

    const auto document = parseDocumentFile (file);
    const bool isPreset = document != nullptr && isPresetDocument (*document);
    if (isPreset)
        applyPresetDocument (model, *document);

    model.reloadInProgress.fetch_sub (1);
    model.resyncHold.fetch_add (1);
    return isPreset ? PresetResult::done : PresetResult::notAPreset;
}

} // namespace gatevox
