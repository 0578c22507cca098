#include "persistence/DocumentBuilder.h"

#include "kernels/KernelCatalogue.h"
#include "persistence/DocumentNumbers.h"
#include "persistence/DocumentVocabulary.h"

namespace gatevox
{
namespace
{
[[nodiscard]] juce::Identifier identifierOf (std::string_view name)
{
    return juce::Identifier (juce::String (name.data(), name.size()));
}

[[nodiscard]] juce::String stringOf (std::string_view text)
{
    return juce::String::fromUTF8 (text.data(), static_cast<int> (text.size()));
}
} // namespace

void DocumentBuilder::text (std::string_view name, const juce::String& value)
{
    element.setAttribute (identifierOf (name), value);
}

void DocumentBuilder::utf8Text (std::string_view name, std::string_view value)
{
    text (name, stringOf (value));
}

void DocumentBuilder::number (std::string_view name, float value)
{
    utf8Text (name, formatDocumentNumber (value));
}

void DocumentBuilder::number (std::string_view name, double value)
{
    utf8Text (name, formatDocumentNumber (value));
}

void DocumentBuilder::integer (std::string_view name, std::int64_t value)
{
    utf8Text (name, formatDocumentInteger (value));
}

void addKernelParameters (DocumentBuilder& out, ProcessorModel& model)
{
    for (int s = 0; s < numSlots; ++s)
    {
        const auto& store = model.kernelParams (s);
        for (int k = 0; k < numKernelParams; ++k)
        {
            const auto i = static_cast<std::size_t> (k);
            out.number (attribute::paramVal (s, k), store.value.read (i));
            out.number (attribute::minVal (s, k), store.minimum.read (i));
            out.number (attribute::maxVal (s, k), store.maximum.read (i));
        }
    }
}

std::string stepRowText (ProcessorModel& model, int layer, int pattern)
{
    std::string row;
    for (int i = 0; i < numSteps; ++i)
    {
        if (i > 0)
            row += ',';
        row += formatDocumentInteger (model.steps.read (pattern, layer, i));
    }
    return row;
}

void addStepRows (DocumentBuilder& out, ProcessorModel& model)
{
    for (int layer = 0; layer < numLayers; ++layer)
        for (int pattern = 0; pattern < numPatterns; ++pattern)
            out.utf8Text (attribute::stepRow (layer, pattern), stepRowText (model, layer, pattern));
}

void addEnvelopeKnobs (DocumentBuilder& out, ProcessorModel& model, int s)
{
    const auto& knobs = model.envelope (s).knobs;
    for (int g = 0; g < numEnvelopeSegments; ++g)
        for (int n = 0; n < knobsPerSegment; ++n)
            out.number (attribute::envelopeKnob (s, g, n), knobs.read (EnvelopeSettings::knobIndex (g, n)));
}

float savedEnvelopeDestination (ProcessorModel& model, int s) noexcept
{
    return static_cast<float> (model.envelope (s).destination.read (0)) / 7.0f;
}

void addSlotFloats (DocumentBuilder& out, ProcessorModel& model, int s)
{
    const auto& floats = model.slot (s).floats;
    for (int m = 0; m < static_cast<int> (SlotSettings::floatCount); ++m)
        out.number (attribute::slotFloat (s, m), floats.read (static_cast<std::size_t> (m)));
}

void addSlotInts (DocumentBuilder& out, ProcessorModel& model, int s)
{
    const auto& ints = model.slot (s).ints;
    for (int m = 0; m < static_cast<int> (SlotSettings::intCount); ++m)
        out.integer (attribute::slotInt (s, m), ints.read (static_cast<std::size_t> (m)));
}

std::string_view savedKernelName (std::int32_t id) noexcept
{
    if (id < 0 || id >= numKernels)
        return {};
    return kernelNames[static_cast<std::size_t> (id)];
}

} // namespace gatevox
