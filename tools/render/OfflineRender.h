#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <functional>

namespace gatevox::render
{

// A host transport that plays from a song position at a fixed tempo.
class OfflinePlayHead final : public juce::AudioPlayHead
{
public:
    OfflinePlayHead (double sampleRate, double tempo, double startPpq) noexcept
        : rate (sampleRate), bpm (tempo), start (startPpq)
    {
    }

    void setSamplePosition (juce::int64 samples) noexcept { position = samples; }

    [[nodiscard]] juce::Optional<PositionInfo> getPosition() const override;

private:
    double rate;
    double bpm;
    double start;
    juce::int64 position = 0;
};

// Runs the processor over the whole buffer in blocks, in place, as a host
// would; reports the fraction done after every block.
void renderOffline (juce::AudioProcessor& processor, juce::AudioBuffer<float>& audio, double sampleRate, double tempo,
                    double startPpq, int blockSize, const std::function<void (double)>& progress);

} // namespace gatevox::render
