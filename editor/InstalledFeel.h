#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace gatevox
{

// The window's own look-and-feel for as long as the window lives: created and
// made the framework's default before anything else of the window, deleted
// after everything else. Another window that opened later may have made its
// own the default meanwhile: the default is put back only while it is still
// this one.
class InstalledFeel
{
public:
    InstalledFeel();
    ~InstalledFeel();

    [[nodiscard]] juce::LookAndFeel* get() const noexcept { return feel.get(); }

private:
    // Weak, because the framework deletes the look-and-feel itself should it
    // shut down first.
    juce::WeakReference<juce::LookAndFeel> feel;

    JUCE_DECLARE_NON_COPYABLE (InstalledFeel)
};

} // namespace gatevox
