#include "editor/PresetShelf.h"

#include "core/SkiptorAudioProcessor.h"
#include "persistence/PresetFolder.h"

namespace gatevox
{
namespace
{
const char* const askForNameText = "Enter the name of your preset:";
const char* const initialName = "Preset Name";
} // namespace

PresetShelf::PresetShelf (SkiptorAudioProcessor& owner, juce::File presetFolder, juce::Component& window)
    : processor (owner), folder (std::move (presetFolder)), dialogs (window)
{
}

void PresetShelf::fillList (juce::ComboBox& box, const juce::String& name) const
{
    box.clear (juce::dontSendNotification);
    box.addItem (blankName, 1);
    int id = 2;
    for (const auto& preset : listPresets (folder))
    {
        box.addItem (preset, id);
        if (name.isNotEmpty() && name == preset)
            box.setSelectedId (id, juce::dontSendNotification);
        ++id;
    }
}

void PresetShelf::load (const juce::String& name)
{
    if (name == blankName)
    {
        processor.resetToBlank();
        return;
    }

    const auto result = loadPreset (processor.getModel(), folder, name, processor.getEditorLock());
    if (result != PresetResult::done)
        dialogs.tell ("Load Preset", describePresetResult (result));
}

void PresetShelf::save (std::function<void (const juce::String& name)> saved)
{
    if (folderIsMissing())
        return;

    dialogs.askForName (askForNameText, initialName,
                        [this, saved = std::move (saved)] (int result, const juce::String& name)
                        { saveAs (result, name, saved); });
}

void PresetShelf::saveAs (int result, const juce::String& name, const std::function<void (const juce::String&)>& saved)
{
    if (result == 0)
    {
        saved (cancelledName);
        return;
    }

    // A name the folder refuses is asked for again, with the reason.
    const auto problem = checkPresetName (name);
    if (problem != PresetResult::done)
    {
        dialogs.askForName (describePresetResult (problem), name,
                            [this, saved] (int again, const juce::String& typed) { saveAs (again, typed, saved); });
        return;
    }

    if (!folderIsMissing())
    {
        const auto written = savePreset (processor.getModel(), folder, name, processor.getSampleRate());
        if (written != PresetResult::done)
            dialogs.tell ("Save Preset", describePresetResult (written));
    }
    saved (name);
}

bool PresetShelf::folderIsMissing()
{
    if (folder.isDirectory())
        return false;

    dialogs.tell ("Save Preset", "The preset folder is missing: " + folder.getFullPathName());
    return true;
}

} // namespace gatevox
