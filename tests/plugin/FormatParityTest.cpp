#include "tests/plugin/HostedPlugins.h"

#include "core/SkiptorAudioProcessor.h"
#include "params/ParameterLayout.h"
#include "persistence/StateBlock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

// The same state, input and transport give the same samples through every
// format: the formats differ only in how the host reaches the processor.
namespace
{
// A host transport playing at a fixed tempo from a song position; the
// position follows the samples rendered so far.
class PlayingTransport final : public juce::AudioPlayHead
{
public:
    PlayingTransport (double bpmToPlay, double startPpq, double rate)
        : bpm (bpmToPlay), start (startPpq), sampleRate (rate)
    {
    }

    void advance (int samples) { played += samples; }

    juce::Optional<PositionInfo> getPosition() const override
    {
        const double ppq = start + static_cast<double> (played) * bpm / 60.0 / sampleRate;
        PositionInfo info;
        info.setBpm (bpm);
        info.setPpqPosition (ppq);
        info.setPpqPositionOfLastBarStart (4.0 * std::floor (ppq / 4.0));
        info.setTimeSignature (TimeSignature{4, 4});
        info.setTimeInSamples (played);
        info.setIsPlaying (true);
        return info;
    }

private:
    double bpm, start, sampleRate;
    juce::int64 played = 0;
};

struct Scene
{
    const char* name;
    double bpm; // a tempo a 32-bit float holds exactly: LV2 carries it as one
    double startPpq;
    std::function<void (SkiptorAudioProcessor&)> programme;
};

void setStep (gatevox::ProcessorModel& model, int layer, int step, int s)
{
    model.writeStep (0, layer, step, s);
}

void setParameter (SkiptorAudioProcessor& p, const char* name, float value)
{
    for (auto* parameter : p.getParameters())
        if (parameter->getName (1024) == name)
            return parameter->setValue (value);
    FAIL() << name;
}

const std::vector<Scene> scenes{
    {"filters, shapers and delays", 240.0, 3.9,
     [] (SkiptorAudioProcessor& p)
     {
         const char* kernels[] = {"LPF 24dB", "HPF SVF1", "DELAY MOD", "RESONATOR", "LPF FUZZ"};
         for (int s = 0; s < gatevox::numSlots; ++s)
             p.chooseKernel (s, kernels[s]);
         for (int step = 0; step < gatevox::numSteps; ++step)
         {
             setStep (p.getModel(), 0, step, step % gatevox::numSlots);
             if (step % 3 != 0)
                 setStep (p.getModel(), 1, step, (step + 2) % gatevox::numSlots);
         }
         setParameter (p, "Route Type 3", 0.5f);
         setParameter (p, "LFO Freq 1", 0.3f);
         setParameter (p, "Effect Mix", 0.8f);
     }},
    {"modulators, formants, colours and resampling", 137.5, 0.25,
     [] (SkiptorAudioProcessor& p)
     {
         const char* kernels[] = {"RING MOD", "FORMANT", "LPF COLOR", "SAMPLE HOLD", "RESAMPLER"};
         for (int s = 0; s < gatevox::numSlots; ++s)
             p.chooseKernel (s, kernels[s]);
         for (int layer = 0; layer < gatevox::numLayers; ++layer)
             for (int step = 0; step < gatevox::numSteps; ++step)
                 setStep (p.getModel(), layer, step, (layer + step + (step % 2) * 2) % gatevox::numSlots);
         setParameter (p, "Route Type 4", 0.5f);
         setParameter (p, "Envelope5 On", 1.0f);
         setParameter (p, "LFO Wave 2", 0.4f);
     }},
};

juce::MemoryBlock sceneState (const Scene& scene)
{
    SkiptorAudioProcessor p;
    p.setPlayConfigDetails (2, 2, 48000.0, 512);
    p.prepareToPlay (48000.0, 512);
    scene.programme (p);
    juce::MemoryBlock state;
    p.getStateInformation (state);
    return state;
}

// A tone with some noise, a function of the sample index only.
float input (int channel, juce::int64 i, double rate)
{
    const auto t = static_cast<double> (i) / rate;
    const auto noise = static_cast<float> ((i * 1103515245 + 12345 + channel * 7) % 2001 - 1000) / 10000.0f;
    return static_cast<float> (0.4 *
                               std::sin (2.0 * juce::MathConstants<double>::pi * (channel == 0 ? 220.0 : 331.0) * t)) +
           noise;
}

// Renders the scene's state from its song position; left and right interleaved.
std::vector<float> render (PluginFormat format, const juce::MemoryBlock& state, const Scene& scene, double rate,
                           int blockSize, int numSamples)
{
    auto plugin = createPlugin (format, rate, blockSize);
    if (plugin == nullptr)
        return {};
    restorePluginState (format, *plugin, state);
    plugin->prepareToPlay (rate, blockSize);

    PlayingTransport transport (scene.bpm, scene.startPpq, rate);
    plugin->setPlayHead (&transport);

    std::vector<float> output;
    output.reserve (2 * static_cast<std::size_t> (numSamples));
    juce::AudioBuffer<float> buffer (2, blockSize);
    juce::MidiBuffer midi;
    for (int start = 0; start < numSamples; start += blockSize)
    {
        const int n = std::min (blockSize, numSamples - start);
        buffer.setSize (2, n, false, false, true);
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < n; ++i)
                buffer.setSample (c, i, input (c, start + i, rate));
        plugin->processBlock (buffer, midi);
        transport.advance (n);
        for (int i = 0; i < n; ++i)
        {
            output.push_back (buffer.getSample (0, i));
            output.push_back (buffer.getSample (1, i));
        }
    }
    plugin->releaseResources();
    plugin->setPlayHead (nullptr);
    return output;
}

// The first sample where two renders differ, or -1.
std::ptrdiff_t firstDifference (const std::vector<float>& a, const std::vector<float>& b)
{
    if (a.size() != b.size())
        return 0;
    const auto [ia, ib] = std::mismatch (a.begin(), a.end(), b.begin());
    return ia == a.end() ? -1 : ia - a.begin();
}

juce::String stateDocument (const juce::MemoryBlock& state)
{
    const auto xml = gatevox::unwrapStateXml (state.getData(), static_cast<int> (state.getSize()));
    return xml == nullptr ? juce::String()
                          : xml->toString (juce::XmlElement::TextFormat().singleLine().withoutHeader());
}

juce::Array<juce::AudioProcessorParameter*> automationParameters (juce::AudioProcessor& plugin)
{
    // VST3 and LV2 hosts add a bypass parameter of their own.
    juce::Array<juce::AudioProcessorParameter*> parameters;
    for (auto* parameter : plugin.getParameters())
        if (parameter->getName (1024) != "Bypass")
            parameters.add (parameter);
    return parameters;
}
} // namespace

TEST (FormatParity, EveryFormatRendersTheSameSamples)
{
    for (const auto& scene : scenes)
    {
        const auto state = sceneState (scene);
        for (const double rate : {44100.0, 48000.0, 96000.0})
        {
            const int numSamples = static_cast<int> (rate / 2.0);
            for (const int blockSize : {1, 17, 512, 4096})
            {
                const auto reference = render (PluginFormat::inProcess, state, scene, rate, blockSize, numSamples);
                ASSERT_EQ (reference.size(), 2u * static_cast<std::size_t> (numSamples));

                // The scene sounds: its output is finite and is not its input.
                ASSERT_TRUE (
                    std::all_of (reference.begin(), reference.end(), [] (float x) { return std::isfinite (x); }));
                std::size_t changed = 0;
                for (std::size_t i = 0; i < reference.size(); ++i)
                    changed += reference[i] != input (static_cast<int> (i % 2), static_cast<juce::int64> (i / 2), rate)
                                   ? 1u
                                   : 0u;
                EXPECT_GT (changed, reference.size() / 2) << scene.name;

                for (const auto format : {PluginFormat::vst2, PluginFormat::vst3, PluginFormat::lv2})
                    EXPECT_EQ (firstDifference (reference, render (format, state, scene, rate, blockSize, numSamples)),
                               -1)
                        << formatName (format) << ", " << scene.name << ", " << rate << " Hz, blocks of " << blockSize;
            }
        }
    }
}

TEST (FormatParity, EveryFormatListsTheSameParametersWithTheSameTexts)
{
    auto reference = createPlugin (PluginFormat::inProcess);
    const auto referenceParameters = automationParameters (*reference);
    ASSERT_EQ (referenceParameters.size(), gatevox::numAutomationParameters);

    for (const auto format : {PluginFormat::vst2, PluginFormat::vst3, PluginFormat::lv2})
    {
        auto plugin = createPlugin (format);
        ASSERT_NE (plugin, nullptr);
        const auto parameters = automationParameters (*plugin);
        ASSERT_EQ (parameters.size(), gatevox::numAutomationParameters) << formatName (format);

        for (int i = 0; i < gatevox::numAutomationParameters; ++i)
        {
            ASSERT_EQ (parameters[i]->getName (1024), referenceParameters[i]->getName (1024))
                << formatName (format) << " " << i;
            // The texts are the processor's own: VST3 asks for the text of
            // any value, VST2 for that of the value the parameter holds. LV2
            // has no way to ask; its hosts write the number themselves.
            const auto value = static_cast<float> ((i * 37) % 101) / 100.0f;
            if (format == PluginFormat::vst3)
            {
                EXPECT_EQ (parameters[i]->getText (value, 1024), referenceParameters[i]->getText (value, 1024)) << i;
            }
            if (format == PluginFormat::vst2)
            {
                parameters[i]->setValue (value);
                referenceParameters[i]->setValue (value);
                EXPECT_EQ (parameters[i]->getCurrentValueAsText(), referenceParameters[i]->getCurrentValueAsText())
                    << i;
            }
        }
    }
}

TEST (FormatParity, AStateSavedThroughOneFormatRestoresThroughEveryOther)
{
    // What a processor saves after restoring the scene: every format, as
    // source and as target, must save the same document again.
    const auto state = sceneState (scenes[1]);
    SkiptorAudioProcessor reference;
    reference.setPlayConfigDetails (2, 2, 48000.0, 512);
    reference.prepareToPlay (48000.0, 512);
    reference.setStateInformation (state.getData(), static_cast<int> (state.getSize()));
    const auto document = stateDocument (pluginState (PluginFormat::inProcess, reference));
    ASSERT_TRUE (document.startsWith ("<SkiptorStateInfo"));

    for (const auto source : allFormats)
    {
        auto saver = createPlugin (source);
        ASSERT_NE (saver, nullptr);
        saver->prepareToPlay (48000.0, 512);
        restorePluginState (source, *saver, state);
        const auto saved = pluginState (source, *saver);
        EXPECT_EQ (stateDocument (saved), document) << "saved through " << formatName (source);

        for (const auto target : allFormats)
        {
            auto restorer = createPlugin (target);
            ASSERT_NE (restorer, nullptr);
            restorer->prepareToPlay (48000.0, 512);
            restorePluginState (target, *restorer, saved);
            EXPECT_EQ (stateDocument (pluginState (target, *restorer)), document)
                << "saved through " << formatName (source) << ", restored through " << formatName (target);
        }
    }
}
