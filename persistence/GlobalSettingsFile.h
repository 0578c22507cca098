#pragma once

#include "core/GlobalOptions.h"

#include <juce_core/juce_core.h>

#include <atomic>

namespace gatevox
{

// The machine-wide options file "default_x64.xml" in the shared folder: one
// element "GatevoxGlobal" with "global_f_0" to "global_f_5". Message thread.
class GlobalSettingsFile
{
public:
    static constexpr const char* fileName = "default_x64.xml";
    static constexpr const char* tag = "GatevoxGlobal";

    // folder is the shared folder (the tests pass a folder of their own).
    GlobalSettingsFile (GlobalOptions& options, juce::File folder);

    // Once, right after the options are created. A missing file leaves every
    // option at 0 and creates nothing. A file with the right root element
    // gives option 0 = 1, option 1 = 0 and option 5 = 1 unless it says
    // otherwise, options 2-4 their current values. Any other file (another
    // root, not XML) is rewritten with those defaults.
    void load();

    // Writes the options, each read by the read rule. Skipped while another
    // save runs; returns whether the file was written. Never creates the folder.
    bool save();

    // The settings page's change of one option: dropped while another write
    // holds the options' counter, otherwise stored and saved. Returns whether
    // the change was stored.
    bool change (GlobalOptions::Option option, float value);

    [[nodiscard]] juce::File file() const { return folder.getChildFile (fileName); }

private:
    void applyFileDefaults();

    GlobalOptions& options;
    const juce::File folder;
    std::atomic<int> savesRunning{0};
};

} // namespace gatevox
