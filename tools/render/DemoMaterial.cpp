#include "tools/render/DemoMaterial.h"

#include "core/SkiptorAudioProcessor.h"

#include <cmath>

namespace gatevox::render
{

juce::AudioBuffer<float> demoSignal (double sampleRate, double tempo, int numSamples)
{
    juce::AudioBuffer<float> buffer (2, numSamples);
    const double samplesPerBeat = sampleRate * 60.0 / tempo;
    const double chord[] = {220.0, 261.63, 329.63, 392.0};
    juce::Random noise (42);

    for (int i = 0; i < numSamples; ++i)
    {
        const double t = i / sampleRate;
        const double beatPhase = std::fmod (i, samplesPerBeat) / sampleRate;
        const double offBeatPhase = std::fmod (i + samplesPerBeat * 0.5, samplesPerBeat) / sampleRate;

        double pad = 0.0;
        for (const double f : chord)
            pad += std::sin (juce::MathConstants<double>::twoPi * f * t);
        const double kick =
            std::sin (juce::MathConstants<double>::twoPi * (50.0 + 90.0 * std::exp (-beatPhase * 30.0)) * beatPhase) *
            std::exp (-beatPhase * 9.0);
        const double hat = (noise.nextDouble() * 2.0 - 1.0) * std::exp (-offBeatPhase * 60.0);

        const double left = 0.05 * pad + 0.3 * kick + 0.08 * hat;
        const double right = 0.05 * pad + 0.3 * kick - 0.08 * hat;
        buffer.setSample (0, i, static_cast<float> (left));
        buffer.setSample (1, i, static_cast<float> (right));
    }
    return buffer;
}

void loadDemoPattern (SkiptorAudioProcessor& processor)
{
    auto& model = processor.getModel();

    // Slot: kernel, route type (0 parallel, 1-3 series chain A-C), LFO rate in Hz.
    struct SlotSetup
    {
        const char* kernel;
        int route;
        float lfoHz;
    };
    const SlotSetup slots[] = {
        {"TREMELO", 0, 8.0f},  {"STEREO PAN", 0, 2.0f}, {"AM MOD", 0, 4.0f},
        {"LPF 12dB", 1, 1.0f}, {"DELAY MOD", 1, 0.5f},
    };
    for (int s = 0; s < numSlots; ++s)
    {
        const auto& setup = slots[s];
        processor.chooseKernel (s, setup.kernel);
        model.setRouteType (s, setup.route);
        model.slot (s).floats.waitingWrite (SlotSettings::lfoFrequency, setup.lfoHz);
    }

    // Four layers over sixteen steps; 5 is an empty step.
    constexpr int pattern[numLayers][numSteps] = {
        {0, 0, 1, 1, 0, 0, 2, 2, 0, 0, 1, 1, 2, 2, 0, 1},
        {5, 5, 5, 5, 2, 2, 5, 5, 5, 5, 5, 5, 1, 1, 5, 5},
        {3, 3, 3, 3, 5, 5, 5, 5, 3, 3, 3, 3, 5, 5, 5, 5},
        {5, 5, 5, 5, 4, 4, 4, 4, 5, 5, 5, 5, 4, 4, 4, 4},
    };
    for (int layer = 0; layer < numLayers; ++layer)
        for (int step = 0; step < numSteps; ++step)
        {
            model.writeStep (0, layer, step, pattern[layer][step]);
        }
}

} // namespace gatevox::render
