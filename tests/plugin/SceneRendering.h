#pragma once

#include "tests/plugin/HostedPlugins.h"

#include "core/SkiptorAudioProcessor.h"

#include <cmath>
#include <functional>
#include <vector>

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

// Two scenes that between them sound every kernel family.
extern const std::vector<Scene> scenes;

// The scene programmed into a fresh processor, saved as the host saves it.
juce::MemoryBlock sceneState (const Scene& scene);

// A tone with some noise, a function of the sample index only.
float input (int channel, juce::int64 i, double rate);

// Renders the scene's state from its song position; left and right interleaved.
std::vector<float> render (PluginFormat format, const juce::MemoryBlock& state, const Scene& scene, double rate,
                           int blockSize, int numSamples);

// The first sample where two renders differ, or -1.
std::ptrdiff_t firstDifference (const std::vector<float>& a, const std::vector<float>& b);
