#pragma once

#include "core/ProcessorModel.h"

#include <juce_core/juce_core.h>

#include <memory>

namespace gatevox
{

// The "SkiptorStateInfo" document that the host keeps with its project: the
// sequencer state, every step, every kernel parameter with its range, every
// host parameter value, and every envelope and slot setting, as 1174
// attributes of one element. Both directions run on any thread but the audio
// thread, while audio may run, and take no lock.

inline constexpr const char* hostStateTag = "SkiptorStateInfo";

// The document, every guarded field read by the read rule at the moment its
// attribute is added. hostSampleRate is the framework's own sample rate,
// stored as "sample_rate".
[[nodiscard]] std::unique_ptr<juce::XmlElement> writeHostState (ProcessorModel& model, double hostSampleRate);

// Restores the model from a document. A tempo that is negative or not a number
// becomes 120 first. Any root tag but "SkiptorStateInfo" (compared without
// regard to case) changes no field. Either way reloadInProgress is raised for
// the duration and resyncHold is raised once at the end. Does not touch the
// host parameter values.
void restoreHostState (ProcessorModel& model, const juce::XmlElement& document);

// The framework's state entry points: the document wrapped as the host block
// (replacing destination's contents), and the restore from a block. A block
// that is empty, has a wrong magic number or length, or holds no parsable
// element changes nothing and moves no counter; returns whether a document
// was found.
void writeHostStateBlock (ProcessorModel& model, double hostSampleRate, juce::MemoryBlock& destination);
bool restoreHostStateBlock (ProcessorModel& model, const void* data, int sizeInBytes);

} // namespace gatevox
