#include "editor/PresetDialog.h"

namespace gatevox
{

void PresetDialog::askForName (const juce::String& message, const juce::String& name, NameChosen chosen)
{
    auto window =
        std::make_unique<juce::AlertWindow> ("Save Preset", message, juce::MessageBoxIconType::QuestionIcon, &owner);
    window->addTextEditor (nameField, name, "Preset Name:", false);
    window->addButton ("ok", 1, juce::KeyPress (juce::KeyPress::returnKey));
    window->addButton ("cancel", 0, juce::KeyPress (juce::KeyPress::escapeKey));

    auto* field = window->getTextEditor (nameField);
    show (std::move (window), message,
          [chosen = std::move (chosen), field] (int result) { chosen (result, field->getText()); });
}

void PresetDialog::tell (const juce::String& title, const juce::String& message)
{
    auto window = std::make_unique<juce::AlertWindow> (title, message, juce::MessageBoxIconType::WarningIcon, &owner);
    window->addButton ("ok", 1, juce::KeyPress (juce::KeyPress::returnKey), juce::KeyPress (juce::KeyPress::escapeKey));
    show (std::move (window), message, [] (int) {});
}

void PresetDialog::show (std::unique_ptr<juce::AlertWindow> window, const juce::String& message,
                         std::function<void (int result)> finished)
{
    // A new window replaces one still showing, whose answer is then dropped.
    current = std::move (window);
    current->setLookAndFeel (&owner.getLookAndFeel());
    shownMessage = message;

    // The window stays alive through its callback, so that its field can be
    // read; then it is deleted, and so is one that is replaced or still shows
    // when the dialog closes.
    auto* shown = current.get();
    juce::WeakReference<PresetDialog> self (this);
    shown->enterModalState (true,
                            juce::ModalCallbackFunction::create (
                                [self, shown, finished] (int result)
                                {
                                    if (self == nullptr || self->current.get() != shown)
                                        return;
                                    finished (result);
                                    // Closed for good unless the answer opened another.
                                    if (self != nullptr && self->current.get() == shown)
                                        self->current.reset();
                                }),
                            false);
}

} // namespace gatevox
