#include "tools/render/OfflineRender.h"

namespace gatevox::render
{

juce::Optional<juce::AudioPlayHead::PositionInfo> OfflinePlayHead::getPosition() const
{
    PositionInfo info;
    info.setBpm (bpm);
    info.setTimeSignature (TimeSignature{4, 4});
    info.setTimeInSamples (position);
    info.setTimeInSeconds (static_cast<double> (position) / rate);
    info.setPpqPosition (start + static_cast<double> (position) / rate * bpm / 60.0);
    info.setIsPlaying (true);
    return info;
}

void renderOffline (juce::AudioProcessor& processor, juce::AudioBuffer<float>& audio, double sampleRate, double tempo,
                    double startPpq, int blockSize, const std::function<void (double)>& progress)
{
    OfflinePlayHead playHead (sampleRate, tempo, startPpq);
    processor.setPlayHead (&playHead);
    processor.setPlayConfigDetails (2, 2, sampleRate, blockSize);
    processor.setNonRealtime (true);
    processor.prepareToPlay (sampleRate, blockSize);

    juce::MidiBuffer midi;
    const int total = audio.getNumSamples();
    for (int start = 0; start < total; start += blockSize)
    {
        const int n = juce::jmin (blockSize, total - start);
        juce::AudioBuffer<float> block (audio.getArrayOfWritePointers(), audio.getNumChannels(), start, n);
        playHead.setSamplePosition (start);
        processor.processBlock (block, midi);
        progress (static_cast<double> (start + n) / static_cast<double> (total));
    }

    processor.releaseResources();
    processor.setPlayHead (nullptr);
}

} // namespace gatevox::render
