#include "persistence/KernelDefaults.h"

#include "kernels/KernelCatalogue.h"
#include "persistence/KernelParameterDocument.h"

namespace gatevox
{

namespace
{
void loadParameter (KernelParamStore& store, std::size_t k, const juce::var& fields)
{
    auto* object = fields.getDynamicObject();
    if (object == nullptr)
        return;

    // Members other than these three ("Units", a stray lower-case "min") are ignored.
    for (const auto& field : object->getProperties())
    {
        const auto& name = field.name.toString();
        KernelParamStore::Block* target = nullptr;

        if (name == "Value")
            target = &store.value;
        else if (name == "Max")
            target = &store.maximum;
        else if (name == "Min")
            target = &store.minimum;

        if (target != nullptr)
            target->drainingRelease (k, static_cast<float> (static_cast<double> (field.value)));
    }
}

void loadEntry (KernelParamStore& store, const juce::var& entry)
{
    auto* object = entry.getDynamicObject();
    if (object == nullptr)
        return;

    for (const auto& parameter : object->getProperties())
    {
        const int k = parameterIndexOfName (parameter.name.toString().toStdString());
        if (k >= 0)
            loadParameter (store, static_cast<std::size_t> (k), parameter.value);
    }
}
} // namespace

void KernelDefaultsLoader::load (KernelParamStore& store, const juce::String& kernelName)
{
    const juce::String key (kernelKey (kernelName.toStdString()));

    if (parses == 0)
    {
        document = juce::JSON::parse (kernelParameterDocumentText());
        ++parses;
    }

    store.reset();

    auto* entries = document.getDynamicObject();
    if (entries == nullptr)
        return;

    for (const auto& entry : entries->getProperties())
        if (entry.name.toString() == key)
            loadEntry (store, entry.value);
}

} // namespace gatevox
