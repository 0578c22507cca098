#pragma once

#include <juce_core/juce_core.h>

namespace gatevox
{

// The machine-wide folder that holds the user waves, the presets and the
// global settings: <common application data>/Velmont/Gatevox. The program
// reads and writes inside it but never creates it.
[[nodiscard]] juce::File sharedFolder();

// The text of "wave<k>.vlw" in the shared folder, empty when it cannot be read.
[[nodiscard]] std::string userWaveFileText (int k);

} // namespace gatevox
