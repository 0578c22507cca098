#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>

namespace gatevox
{

// The preset controls' small windows: the "Save Preset" name question and
// notices. One shows at a time, without a modal loop: the answer arrives in a
// callback. Closing the owner closes an open one, and its callback never runs.
class PresetDialog
{
public:
    static constexpr const char* nameField = "preset_txt";

    // result 1 for "ok" (or Return), 0 for "cancel" (or Escape); name is the
    // text of the field.
    using NameChosen = std::function<void (int result, const juce::String& name)>;

    // The windows open centred over the owner.
    explicit PresetDialog (juce::Component& window) : owner (window) {}

    // "Save Preset" with the message, the name field holding the name, and
    // the buttons "ok" and "cancel".
    void askForName (const juce::String& message, const juce::String& name, NameChosen chosen);

    // A notice under the title, with one "ok" button.
    void tell (const juce::String& title, const juce::String& message);

    // The window showing now, if any, and the sentence it shows.
    [[nodiscard]] juce::AlertWindow* window() const noexcept { return current.get(); }
    [[nodiscard]] const juce::String& message() const noexcept { return shownMessage; }

private:
    void show (std::unique_ptr<juce::AlertWindow> window, const juce::String& message,
               std::function<void (int result)> finished);

    juce::Component& owner;
    std::unique_ptr<juce::AlertWindow> current;
    juce::String shownMessage;

    JUCE_DECLARE_WEAK_REFERENCEABLE (PresetDialog)
    JUCE_DECLARE_NON_COPYABLE (PresetDialog)
};

} // namespace gatevox
