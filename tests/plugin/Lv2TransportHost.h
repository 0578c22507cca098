#pragma once

#include <juce_core/juce_core.h>

#include <memory>
#include <vector>

// An LV2 host of our own, on Debian's lilv, that reports its transport the way
// a digital audio workstation does: a time:Position object only when the
// transport starts, relocates or changes tempo, with a frame count, speed,
// bar, bar beat, time signature and tempo, and no time:beat.
class Lv2TransportHost
{
public:
    // Loads the plug-in, restores its state bytes through its state
    // interface and activates it.
    Lv2TransportHost (const juce::File& bundle, const char* pluginUri, double sampleRate, int maxBlockSize,
                      const juce::MemoryBlock& state);
    ~Lv2TransportHost();

    [[nodiscard]] bool loaded() const noexcept;

    // The next block starts at song frame `frame`, playing at `bpm`; the host
    // sends the position object with the next block only.
    void announceTransport (std::int64_t frame, float bpm);

    // Runs one block in place; left and right.
    void process (float* left, float* right, int numSamples);

private:
    struct Impl;
    std::unique_ptr<Impl> impl;
};
