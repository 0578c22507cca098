#pragma once

#include "core/ProcessorModel.h"

#include <juce_core/juce_core.h>

#include <memory>

namespace gatevox
{

// The "SkiptorPreset" document: the host state's vocabulary with the preset's
// name in front, the tempo and song position right after the version, no host
// parameter values and no LFO positions (973 attributes).

inline constexpr const char* presetTag = "SkiptorPreset";

// Every guarded field read by the read rule; changes nothing in the model.
[[nodiscard]] std::unique_ptr<juce::XmlElement> writePresetDocument (ProcessorModel& model, const juce::String& name,
                                                                     double hostSampleRate);

// Whether the element's tag is "SkiptorPreset", compared without regard to case.
[[nodiscard]] bool isPresetDocument (const juce::XmlElement& element);

// Applies a preset document to the model: kernel parameters (0 when absent),
// steps, master mix, edited position, "selected_effect" (1 when absent),
// pattern speed and per slot the envelope, the controls, the kernel by name
// (no legacy names), route, LFO table, the LFO rate and frequency rescaled
// from the preset's tempo to the processor's, and the LFO position from the
// start. The caller holds editorLock and has raised reloadInProgress.
void applyPresetDocument (ProcessorModel& model, const juce::XmlElement& element);

} // namespace gatevox
