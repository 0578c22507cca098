#pragma once

#include "core/ProcessorModel.h"

#include <juce_core/juce_core.h>

#include <string_view>

namespace gatevox
{

// Appends attributes to a document element in the order they are added, with
// numbers in the documents' "%.9g" form.
class DocumentBuilder
{
public:
    explicit DocumentBuilder (juce::XmlElement& target) noexcept : element (target) {}

    void text (std::string_view name, const juce::String& value);
    void utf8Text (std::string_view name, std::string_view value);
    void number (std::string_view name, float value);
    void number (std::string_view name, double value);
    void integer (std::string_view name, std::int64_t value);

private:
    juce::XmlElement& element;
};

// The parts that the host state and the presets write alike, every guarded
// field read by the read rule.

// "param_val_", "min_val_" and "max_val_" of every slot and parameter.
void addKernelParameters (DocumentBuilder& out, ProcessorModel& model);

// "layer<L>_pattern<P>", layer outer and pattern inner.
void addStepRows (DocumentBuilder& out, ProcessorModel& model);

// The 16 step values of one pattern row joined by ",".
[[nodiscard]] std::string stepRowText (ProcessorModel& model, int layer, int pattern);

// The twelve envelope knobs of slot s, segment outer and knob inner.
void addEnvelopeKnobs (DocumentBuilder& out, ProcessorModel& model, int s);

// The slot's envelope destination divided by 7 in single precision.
[[nodiscard]] float savedEnvelopeDestination (ProcessorModel& model, int s) noexcept;

void addSlotFloats (DocumentBuilder& out, ProcessorModel& model, int s);
void addSlotInts (DocumentBuilder& out, ProcessorModel& model, int s);

// The name a document stores for a kernel id: its catalogue name, or the
// empty text for an id outside the catalogue (which then comes back from
// "controls_<s>_i_5" and keeps sounding as it did).
[[nodiscard]] std::string_view savedKernelName (std::int32_t id) noexcept;

} // namespace gatevox
