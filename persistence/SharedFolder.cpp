#include "persistence/SharedFolder.h"

namespace gatevox
{

juce::File sharedFolder()
{
    return juce::File::getSpecialLocation (juce::File::commonApplicationDataDirectory)
        .getChildFile ("Velmont")
        .getChildFile ("Gatevox");
}

std::string userWaveFileText (int k)
{
    const auto file = sharedFolder().getChildFile ("wave" + juce::String (k) + ".vlw");
    if (!file.existsAsFile())
        return {};

    juce::MemoryBlock bytes;
    if (!file.loadFileAsData (bytes))
        return {};
    return bytes.toString().toStdString();
}

} // namespace gatevox
