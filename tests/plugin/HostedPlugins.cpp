#include "tests/plugin/HostedPlugins.h"

#include "core/SkiptorAudioProcessor.h"

#include <gtest/gtest.h>

namespace
{
juce::AudioPluginFormat& hostingFormat (PluginFormat format)
{
    static juce::VSTPluginFormat vst2;
    static juce::VST3PluginFormat vst3;
    static juce::LV2PluginFormat lv2;
    switch (format)
    {
    case PluginFormat::vst2:
        return vst2;
    case PluginFormat::vst3:
        return vst3;
    case PluginFormat::lv2:
    case PluginFormat::inProcess:
        break;
    }
    return lv2;
}

juce::String binaryIdentifier (PluginFormat format)
{
    switch (format)
    {
    case PluginFormat::vst2:
        return GATEVOX_VST2_BINARY;
    // The binary sits in <bundle>/Contents/<architecture>/.
    case PluginFormat::vst3:
        return juce::File (GATEVOX_VST3_BINARY)
            .getParentDirectory()
            .getParentDirectory()
            .getParentDirectory()
            .getFullPathName();
    case PluginFormat::lv2:
    case PluginFormat::inProcess:
        break;
    }
    return GATEVOX_LV2_URI;
}

// JUCE's VST3 host wraps the component state in an XML document of its own.
constexpr auto vst3StateTag = "VST3PluginState", vst3ComponentTag = "IComponent";

// JUCE's LV2 host stores a Turtle document; the plug-in's bytes are one string
// property in it, base64-encoded. Returns the range of that string's text.
juce::Range<int> lv2StateText (const juce::String& turtle)
{
    const int key = turtle.indexOf ("StateString");
    const int open = key < 0 ? -1 : turtle.indexOfChar (key, '"');
    const int close = open < 0 ? -1 : turtle.indexOfChar (open + 1, '"');
    if (close < 0)
        return {};
    return {open + 1, close};
}

// JUCE's LV2 host finds a plug-in by URI only after a search of its folder.
void searchLv2Folder()
{
    static const auto found =
        hostingFormat (PluginFormat::lv2)
            .searchPathsForPlugins (
                juce::FileSearchPath (juce::File (GATEVOX_LV2_BUNDLE).getParentDirectory().getFullPathName()), true,
                false);
    EXPECT_TRUE (found.contains (GATEVOX_LV2_URI));
}

juce::String lv2Turtle (juce::AudioProcessor& plugin)
{
    juce::MemoryBlock block;
    plugin.getStateInformation (block);
    return block.toString();
}
} // namespace

const char* formatName (PluginFormat format)
{
    switch (format)
    {
    case PluginFormat::inProcess:
        return "in-process";
    case PluginFormat::vst2:
        return "VST2";
    case PluginFormat::vst3:
        return "VST3";
    case PluginFormat::lv2:
        return "LV2";
    }
    return "";
}

std::unique_ptr<juce::AudioPluginInstance> loadPluginFile (juce::AudioPluginFormat& format,
                                                           const juce::String& fileOrIdentifier)
{
    juce::OwnedArray<juce::PluginDescription> found;
    format.findAllTypesForFile (found, fileOrIdentifier);
    if (found.isEmpty())
        return nullptr;

    juce::String error;
    auto instance = format.createInstanceFromDescription (*found[0], 48000.0, 512, error);
    EXPECT_TRUE (error.isEmpty()) << error;
    return instance;
}

std::unique_ptr<juce::AudioProcessor> createPlugin (PluginFormat format, double sampleRate, int blockSize)
{
    std::unique_ptr<juce::AudioProcessor> plugin;
    if (format == PluginFormat::inProcess)
        plugin = std::make_unique<SkiptorAudioProcessor>();
    else
    {
        if (format == PluginFormat::lv2)
            searchLv2Folder();
        plugin = loadPluginFile (hostingFormat (format), binaryIdentifier (format));
    }

    EXPECT_NE (plugin, nullptr) << formatName (format);
    if (plugin != nullptr)
        plugin->setPlayConfigDetails (2, 2, sampleRate, blockSize);
    return plugin;
}

AEffect* vst2Effect (juce::AudioPluginInstance& plugin)
{
    struct Finder final : juce::ExtensionsVisitor
    {
        void visitVSTClient (const VSTClient& client) override
        {
            effect = static_cast<AEffect*> (client.getAEffectPtr());
        }
        AEffect* effect = nullptr;
    } finder;
    plugin.getExtensions (finder);
    return finder.effect;
}

juce::MemoryBlock pluginState (PluginFormat format, juce::AudioProcessor& plugin)
{
    juce::MemoryBlock state;
    switch (format)
    {
    case PluginFormat::inProcess:
        plugin.getStateInformation (state);
        break;
    case PluginFormat::vst2:
        if (auto* effect = vst2Effect (dynamic_cast<juce::AudioPluginInstance&> (plugin)))
        {
            void* chunk = nullptr;
            const auto size = effect->dispatcher (effect, effGetChunk, 0, 0, &chunk, 0.0f);
            if (chunk != nullptr && size > 0)
                state.append (chunk, static_cast<std::size_t> (size));
        }
        break;
    case PluginFormat::vst3:
    {
        juce::MemoryBlock wrapped;
        plugin.getStateInformation (wrapped);
        if (auto xml = juce::AudioProcessor::getXmlFromBinary (wrapped.getData(), static_cast<int> (wrapped.getSize())))
            if (auto* component = xml->getChildByName (vst3ComponentTag))
                state.fromBase64Encoding (component->getAllSubText());
        break;
    }
    case PluginFormat::lv2:
    {
        const auto turtle = lv2Turtle (plugin);
        state.fromBase64Encoding (turtle.substring (lv2StateText (turtle).getStart(), lv2StateText (turtle).getEnd()));
        break;
    }
    }
    return state;
}

void restorePluginState (PluginFormat format, juce::AudioProcessor& plugin, const juce::MemoryBlock& state)
{
    switch (format)
    {
    case PluginFormat::inProcess:
        plugin.setStateInformation (state.getData(), static_cast<int> (state.getSize()));
        break;
    case PluginFormat::vst2:
        if (auto* effect = vst2Effect (dynamic_cast<juce::AudioPluginInstance&> (plugin)))
            effect->dispatcher (effect, effSetChunk, 0, static_cast<juce::pointer_sized_int> (state.getSize()),
                                const_cast<void*> (state.getData()), 0.0f);
        break;
    case PluginFormat::vst3:
    {
        juce::XmlElement xml (vst3StateTag);
        xml.createNewChildElement (vst3ComponentTag)->addTextElement (state.toBase64Encoding());
        juce::MemoryBlock wrapped;
        juce::AudioProcessor::copyXmlToBinary (xml, wrapped);
        plugin.setStateInformation (wrapped.getData(), static_cast<int> (wrapped.getSize()));
        break;
    }
    case PluginFormat::lv2:
    {
        // The instance's own document, with the plug-in's string replaced.
        auto turtle = lv2Turtle (plugin);
        const auto text = lv2StateText (turtle);
        ASSERT_FALSE (text.isEmpty()) << turtle;
        turtle = turtle.replaceSection (text.getStart(), text.getLength(), state.toBase64Encoding());
        const auto bytes = turtle.toStdString();
        plugin.setStateInformation (bytes.data(), static_cast<int> (bytes.size()));
        break;
    }
    }
}

juce::Array<juce::AudioProcessorParameter*> pluginParameters (juce::AudioProcessor& plugin)
{
    juce::Array<juce::AudioProcessorParameter*> parameters;
    for (auto* parameter : plugin.getParameters())
        if (parameter->getName (1024) != "Bypass")
            parameters.add (parameter);
    return parameters;
}
