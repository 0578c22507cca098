#pragma once

#include "editor/PresetDialog.h"
#include "persistence/PresetFolder.h"

#include <juce_gui_basics/juce_gui_basics.h>

class SkiptorAudioProcessor;

namespace gatevox
{

// How the preset controls reach the presets: the processor's own operations
// on the machine's preset folder (a load then also tells the host), or the
// same file operations on another folder.
struct PresetAccess
{
    juce::File folder;
    std::function<juce::StringArray()> names;
    std::function<PresetResult (const juce::String& name)> load;
    std::function<PresetResult (const juce::String& name)> save;

    [[nodiscard]] static PresetAccess throughProcessor (SkiptorAudioProcessor& processor);
    [[nodiscard]] static PresetAccess inFolder (SkiptorAudioProcessor& processor, const juce::File& folder);
};

// The window's presets: the Presets box's list, Load and Save, all inside one
// preset folder. The folder is never created; what cannot be done is said in
// a notice.
class PresetShelf
{
public:
    static constexpr const char* blankName = "<Blank>";
    static constexpr const char* cancelledName = "Untitled";

    PresetShelf (SkiptorAudioProcessor& processor, PresetAccess access, juce::Component& owner);

    // The box afresh: "<Blank>" (id 1), then every preset of the folder in
    // the order the folder yields them; `name` is selected if it is listed.
    void fillList (juce::ComboBox& box, const juce::String& name) const;

    // "<Blank>" puts the model back to the blank state; any other name loads
    // that preset. A preset that cannot be loaded leaves the model as it was.
    void load (const juce::String& name);

    // Asks for a name and saves the model under it; `saved` then gets the
    // name, or "Untitled" when the user cancels.
    void save (std::function<void (const juce::String& name)> saved);

    [[nodiscard]] const PresetDialog& dialog() const noexcept { return dialogs; }

private:
    void saveAs (int result, const juce::String& name, const std::function<void (const juce::String&)>& saved);
    [[nodiscard]] bool folderIsMissing();

    SkiptorAudioProcessor& processor;
    const PresetAccess presets;
    PresetDialog dialogs;
};

} // namespace gatevox
