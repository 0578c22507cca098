#include "tests/plugin/SceneRendering.h"

#include "params/ParameterLayout.h"

#include <gtest/gtest.h>

namespace
{
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

} // namespace

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

float input (int channel, juce::int64 i, double rate)
{
    const auto t = static_cast<double> (i) / rate;
    const auto noise = static_cast<float> ((i * 1103515245 + 12345 + channel * 7) % 2001 - 1000) / 10000.0f;
    return static_cast<float> (0.4 *
                               std::sin (2.0 * juce::MathConstants<double>::pi * (channel == 0 ? 220.0 : 331.0) * t)) +
           noise;
}

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

std::ptrdiff_t firstDifference (const std::vector<float>& a, const std::vector<float>& b)
{
    if (a.size() != b.size())
        return 0;
    const auto [ia, ib] = std::mismatch (a.begin(), a.end(), b.begin());
    return ia == a.end() ? -1 : ia - a.begin();
}
