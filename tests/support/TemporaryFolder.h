#pragma once

#include <juce_core/juce_core.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

// A new folder under the system's temporary folder that no other test
// program running at the same time can pick too (mkdtemp creates it).
inline juce::File makeTemporaryFolder (const char* prefix)
{
    auto pattern = juce::File::getSpecialLocation (juce::File::tempDirectory)
                       .getChildFile (juce::String (prefix) + "-XXXXXX")
                       .getFullPathName()
                       .toStdString();
    if (mkdtemp (pattern.data()) == nullptr)
        throw std::runtime_error ("no temporary folder");
    return juce::File (pattern);
}
