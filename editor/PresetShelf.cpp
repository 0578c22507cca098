#include "editor/PresetShelf.h"

#include "core/SkiptorAudioProcessor.h"

namespace gatevox
{
namespace
{
const char* const askForNameText = "Enter the name of your preset:";
const char* const initialName = "Preset Name";
} // namespace

PresetAccess PresetAccess::throughProcessor (SkiptorAudioProcessor& processor)
{
    return {defaultPresetFolder(), [&processor] { return processor.presetNames(); },
            [&processor] (const juce::String& name) { return processor.loadPreset (name); },
            [&processor] (const juce::String& name) { return processor.savePreset (name); }};
}

PresetAccess PresetAccess::inFolder (SkiptorAudioProcessor& processor, const juce::File& folder)
{
    return {folder, [folder] { return listPresets (folder); },
            [&processor, folder] (const juce::String& name)
            { return loadPreset (processor.getModel(), folder, name, processor.getEditorLock()); },
            [&processor, folder] (const juce::String& name)
            { return savePreset (processor.getModel(), folder, name, processor.getSampleRate()); }};
}

PresetShelf::PresetShelf (SkiptorAudioProcessor& owner, PresetAccess access, juce::Component& window)
    : processor (owner), presets (std::move (access)), dialogs (window)
{
}

void PresetShelf::fillList (juce::ComboBox& box, const juce::String& name) const
{
    box.clear (juce::dontSendNotification);
    box.addItem (blankName, 1);
    int id = 2;
    for (const auto& preset : presets.names())
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

    const auto result = presets.load (name);
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
        const auto written = presets.save (name);
        if (written != PresetResult::done)
            dialogs.tell ("Save Preset", describePresetResult (written));
    }
    saved (name);
}

bool PresetShelf::folderIsMissing()
{
    if (presets.folder.isDirectory())
        return false;

    dialogs.tell ("Save Preset", "The preset folder is missing: " + presets.folder.getFullPathName());
    return true;
}

} // namespace gatevox
