#pragma once

#include <juce_core/juce_core.h>

#include <optional>
#include <variant>

namespace gatevox::render
{

// What the command line asks for.
struct RenderOptions
{
    juce::File input; // none: the built-in demo signal
    juce::File state; // none: the built-in demo pattern
    juce::File output{juce::File::getCurrentWorkingDirectory().getChildFile ("gatevox-demo.wav")};
    double tempo = 120.0;             // beats per minute
    double startPpq = 0.0;            // song position of the first sample, in quarter notes
    std::optional<double> sampleRate; // default: the input's rate, or 48 kHz for the demo
    std::optional<double> seconds;    // default: the input's length, or 16 beats of the demo
    int blockSize = 512;
    bool showHelp = false;
};

// Parses argv; on a bad argument returns the error text to print instead.
[[nodiscard]] std::variant<RenderOptions, juce::String> parseOptions (const juce::StringArray& arguments);

[[nodiscard]] juce::String usage();

} // namespace gatevox::render
