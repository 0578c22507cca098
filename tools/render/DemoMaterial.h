#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

class SkiptorAudioProcessor;

namespace gatevox::render
{

// A stereo loop to process when no input is given: a sustained chord over a
// kick on every beat and an off-beat hat.
[[nodiscard]] juce::AudioBuffer<float> demoSignal (double sampleRate, double tempo, int numSamples);

// A pattern that shows the sequencer: several slots, layers and kernels,
// parallel and series, changing from step to step.
void loadDemoPattern (SkiptorAudioProcessor& processor);

} // namespace gatevox::render
