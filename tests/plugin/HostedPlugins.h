#pragma once

#include <juce_audio_processors/juce_audio_processors.h>
#include <pluginterfaces/vst2.x/aeffect.h>

#include <array>
#include <memory>

// The four ways a test reaches the plug-in: the processor linked into the test
// program, and the VST2, VST3 and LV2 binaries loaded through JUCE's hosting
// classes as a host would load them.
enum class PluginFormat
{
    inProcess,
    vst2,
    vst3,
    lv2
};

inline constexpr std::array<PluginFormat, 4> allFormats{PluginFormat::inProcess, PluginFormat::vst2, PluginFormat::vst3,
                                                        PluginFormat::lv2};

const char* formatName (PluginFormat format);

// A new instance; nullptr (with a test failure) when the binary does not load.
std::unique_ptr<juce::AudioProcessor> createPlugin (PluginFormat format, double sampleRate = 48000.0,
                                                    int blockSize = 512);

// Loads the first plug-in a format finds in a file (or under an identifier).
std::unique_ptr<juce::AudioPluginInstance> loadPluginFile (juce::AudioPluginFormat& format,
                                                           const juce::String& fileOrIdentifier);

// The 197 parameters as the host lists them, without a bypass parameter that
// a format adds of its own (LV2 puts one first).
juce::Array<juce::AudioProcessorParameter*> pluginParameters (juce::AudioProcessor& plugin);

// The VST2 entry of a hosted VST2 instance, for the tests that talk to it directly.
AEffect* vst2Effect (juce::AudioPluginInstance& plugin);

// The plug-in's own state bytes, through each format's native call: the VST2
// chunk, the VST3 component state, the LV2 state property. A host that moves a
// project from one format to another moves these bytes.
juce::MemoryBlock pluginState (PluginFormat format, juce::AudioProcessor& plugin);
void restorePluginState (PluginFormat format, juce::AudioProcessor& plugin, const juce::MemoryBlock& state);
