#pragma once

#include "core/ProcessorModel.h"

#include <juce_core/juce_core.h>

#include <optional>

namespace gatevox
{

// Preset files: "<name>.xml" directly in the preset folder. A name is only
// ever a single file name inside the folder, so no typed name can reach a
// file anywhere else.

enum class PresetResult
{
    done,
    emptyName,  // nothing typed
    nameIsPath, // holds "/" or "\", or is "." or ".."
    nameHasControlCharacter,
    nameTooLong, // "<name>.xml" longer than a file name may be
    missingFile, // no such preset (or an empty file): nothing changed
    notAPreset,  // not XML, or another root element: nothing changed
    writeFailed  // missing folder, disk full or read-only: the old file, if any, is as it was
};

// A sentence for the editor to show, e.g. "A preset name cannot contain '/' or '\'.".
[[nodiscard]] juce::String describePresetResult (PresetResult result);

// PresetResult::done when the name is acceptable, otherwise why not.
[[nodiscard]] PresetResult checkPresetName (const juce::String& name);

// The file of an acceptable name in the folder; nothing for any other name.
[[nodiscard]] std::optional<juce::File> presetFile (const juce::File& folder, const juce::String& name);

// The machine's preset folder, "Presets" in the shared folder.
[[nodiscard]] juce::File defaultPresetFolder();

// Writes the model as preset `name` (replacing a preset of that name). The
// folder is never created. Changes nothing in the model and takes no lock.
PresetResult savePreset (ProcessorModel& model, const juce::File& folder, const juce::String& name,
                         double hostSampleRate);

// The names of the ".xml" files directly in the folder, in the order the
// listing yields them; names that checkPresetName refuses are left out.
[[nodiscard]] juce::StringArray listPresets (const juce::File& folder);

// Loads preset `name` from the folder. Takes editorLock for the whole load
// (callers need not hold it; the lock is reentrant) with reloadInProgress
// raised. A refused name changes nothing and moves no counter. A missing or
// empty file changes nothing and leaves reloadInProgress as it was; a file
// that is not a preset changes no field but raises resyncHold once, as a
// loaded preset does. Message thread.
PresetResult loadPreset (ProcessorModel& model, const juce::File& folder, const juce::String& name,
                         const juce::CriticalSection& editorLock);

// The same for a preset file given by its path (the renderer's command line).
PresetResult loadPresetFile (ProcessorModel& model, const juce::File& file, const juce::CriticalSection& editorLock);

} // namespace gatevox
