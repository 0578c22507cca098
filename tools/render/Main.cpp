// gatevox-render: runs the plug-in's processor offline over a WAV file (or a
// built-in demo) at a given tempo and song position, and writes the result.
#include "tools/render/DemoMaterial.h"
#include "tools/render/OfflineRender.h"
#include "tools/render/RenderOptions.h"

#include "core/SkiptorAudioProcessor.h"
#include "persistence/HostStateDocument.h"
#include "persistence/PresetDocument.h"
#include "persistence/PresetFolder.h"
#include "persistence/StateBlock.h"

#include <juce_audio_formats/juce_audio_formats.h>

#include <cmath>
#include <iostream>

using namespace gatevox::render;

namespace
{
struct RenderError
{
    juce::String message;
};

[[noreturn]] void fail (const juce::String& message)
{
    throw RenderError{message};
}

juce::AudioBuffer<float> readInput (const juce::File& file, double& sampleRate)
{
    if (!file.existsAsFile())
        fail ("cannot read input '" + file.getFullPathName() + "': no such file");

    auto stream = file.createInputStream();
    if (stream == nullptr)
        fail ("cannot read input '" + file.getFullPathName() + "': permission denied or not readable");

    juce::AudioFormatManager formats;
    formats.registerBasicFormats();
    std::unique_ptr<juce::AudioFormatReader> reader (formats.createReaderFor (std::move (stream)));
    if (reader == nullptr)
        fail ("input '" + file.getFullPathName() + "' is not an audio file this tool reads (WAV or AIFF)");

    const auto channels = static_cast<int> (reader->numChannels);
    if (channels < 1 || channels > 2)
        fail ("input '" + file.getFullPathName() + "' has " + juce::String (channels) +
              " channels; only mono and stereo are supported");
    if (reader->lengthInSamples > std::numeric_limits<int>::max())
        fail ("input '" + file.getFullPathName() + "' is too long");

    sampleRate = reader->sampleRate;
    const auto length = static_cast<int> (reader->lengthInSamples);
    juce::AudioBuffer<float> audio (2, length);
    reader->read (&audio, 0, length, 0, true, true); // a mono file fills both channels
    return audio;
}

void writeOutput (const juce::File& file, const juce::AudioBuffer<float>& audio, double sampleRate)
{
    const auto parent = file.getParentDirectory();
    if (!parent.isDirectory())
        fail ("cannot write output '" + file.getFullPathName() + "': folder does not exist");

    // 32-bit float samples, so that nothing above full scale is clipped; written
    // next to the target first, so a failed render leaves no half file.
    juce::TemporaryFile temporary (file);
    {
        auto stream = std::make_unique<juce::FileOutputStream> (temporary.getFile());
        if (!stream->openedOk())
            fail ("cannot write output '" + file.getFullPathName() + "': " + stream->getStatus().getErrorMessage());

        juce::WavAudioFormat wav;
        std::unique_ptr<juce::AudioFormatWriter> writer (wav.createWriterFor (stream.get(), sampleRate, 2, 32, {}, 0));
        if (writer == nullptr)
            fail ("cannot write output '" + file.getFullPathName() + "': no WAV writer for this sample rate");
        stream.release(); // the writer owns it now

        if (!writer->writeFromAudioSampleBuffer (audio, 0, audio.getNumSamples()))
            fail ("cannot write output '" + file.getFullPathName() + "': write failed (disk full?)");
    }

    if (!temporary.overwriteTargetFileWithTemporary())
        fail ("cannot write output '" + file.getFullPathName() + "': permission denied");
}

// A host-state document (as a host saves it inside a project, or as plain
// XML) or a preset file.
void loadStateOrPreset (SkiptorAudioProcessor& processor, const juce::File& file)
{
    const auto path = file.getFullPathName();
    if (!file.existsAsFile())
        fail ("cannot read state '" + path + "': no such file");

    juce::MemoryBlock bytes;
    if (!file.loadFileAsData (bytes))
        fail ("cannot read state '" + path + "': permission denied or not readable");

    // The framework's binary state block, as a host stores it.
    if (auto wrapped = gatevox::unwrapStateXml (bytes.getData(), static_cast<int> (bytes.getSize())))
    {
        processor.setStateInformation (bytes.getData(), static_cast<int> (bytes.getSize()));
        return;
    }

    const auto document = juce::parseXML (bytes.toString());
    if (document == nullptr)
        fail ("state '" + path + "' is not XML");

    if (document->hasTagName (gatevox::hostStateTag))
    {
        gatevox::restoreHostState (processor.getModel(), *document);
        return;
    }

    if (!gatevox::isPresetDocument (*document))
        fail ("'" + path + "' is neither a host state nor a preset (root element <" + document->getTagName() + ">)");

    const auto result = gatevox::loadPresetFile (processor.getModel(), file, processor.getEditorLock());
    if (result != gatevox::PresetResult::done)
        fail ("cannot load preset '" + path + "': " + gatevox::describePresetResult (result));
}

void showProgress (double fraction)
{
    constexpr int width = 40;
    const int filled = static_cast<int> (fraction * width);
    std::cerr << "\r[" << std::string (static_cast<std::size_t> (filled), '#')
              << std::string (static_cast<std::size_t> (width - filled), ' ') << "] "
              << static_cast<int> (fraction * 100.0) << " %" << std::flush;
    if (fraction >= 1.0)
        std::cerr << '\n';
}

int run (const RenderOptions& options)
{
    if (options.input != juce::File() && options.input == options.output)
        fail ("output '" + options.output.getFullPathName() + "' is the input; choose another output file");

    double sampleRate = options.sampleRate.value_or (48000.0);
    juce::AudioBuffer<float> audio;
    if (options.input != juce::File())
    {
        audio = readInput (options.input, sampleRate);
        if (options.sampleRate && std::abs (*options.sampleRate - sampleRate) > 0.5)
            fail ("input is at " + juce::String (sampleRate) + " Hz and this tool does not resample: leave out --rate");
        if (options.seconds)
            audio.setSize (2, static_cast<int> (std::ceil (*options.seconds * sampleRate)), true, true);
    }
    else
    {
        const double seconds = options.seconds.value_or (16.0 * 60.0 / options.tempo);
        if (seconds * sampleRate > std::numeric_limits<int>::max())
            fail ("a render of " + juce::String (seconds) + " s is too long");
        audio = demoSignal (sampleRate, options.tempo, static_cast<int> (std::ceil (seconds * sampleRate)));
    }

    SkiptorAudioProcessor processor;
    if (options.state == juce::File())
        loadDemoPattern (processor);
    else
        loadStateOrPreset (processor, options.state);

    const double audioSeconds = audio.getNumSamples() / sampleRate;
    const bool longRender = audioSeconds > 30.0;
    renderOffline (processor, audio, sampleRate, options.tempo, options.startPpq, options.blockSize,
                   [longRender] (double fraction)
                   {
                       if (longRender)
                           showProgress (fraction);
                   });

    writeOutput (options.output, audio, sampleRate);
    std::cout << "wrote " << options.output.getFullPathName() << " (" << juce::String (audioSeconds, 2) << " s, "
              << sampleRate << " Hz, stereo)\n";
    return 0;
}
} // namespace

int main (int argc, char* argv[])
{
    juce::StringArray arguments;
    for (int i = 1; i < argc; ++i)
        arguments.add (juce::String::fromUTF8 (argv[i]));

    const auto parsed = parseOptions (arguments);
    if (const auto* message = std::get_if<juce::String> (&parsed))
    {
        std::cerr << "gatevox-render: " << *message << '\n';
        return 2;
    }

    const auto& options = std::get<RenderOptions> (parsed);
    if (options.showHelp)
    {
        std::cout << usage();
        return 0;
    }

    try
    {
        juce::ScopedJuceInitialiser_GUI juce;
        return run (options);
    }
    catch (const RenderError& error)
    {
        std::cerr << "gatevox-render: " << error.message << '\n';
        return 1;
    }
}
