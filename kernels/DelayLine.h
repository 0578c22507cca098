#pragma once

#include <array>
#include <vector>

namespace gatevox
{

// A circular buffer that recirculates its content with a period of one line
// length and is read by a moving tap. Its storage is sized off the audio
// thread for the longest line it holds at the rate; a resize only changes the
// length in use and forgets the content, without touching the memory: a
// sample counts only once it has been written since the last resize, so a
// resize costs the same at any length.
//
// A line longer than its storage keeps only its newest samples and never
// recirculates: a sample would come round only after a full period, and
// until then the feedback reads silence, as it does after every resize.
struct DelayLine
{
    // The longest line held whole, in seconds at the prepared rate.
    static constexpr double longestSeconds = 4.0;

    std::vector<float> buffer = std::vector<float> (1);
    int period = 1; // the line length, in samples
    int length = 1; // the samples in use: the period, at most the storage
    int w = 0;
    int written = 0; // samples written since the last resize, at most length

    float g = 0.0f; // input gain
    int quiet = 0;  // consecutive near-silent inputs

    float y1 = 0.0f;
    std::array<float, 8> history{};
    int newest = 0;

    // The slapback output's one-pole smoother, fed the previous interpolated value.
    float smoothed = 0.0f;
    float previousInput = 0.0f;
};

// Storage for the longest line at fs: longestSeconds x fs samples, at least 1.
[[nodiscard]] int lineCapacityFor (double fs) noexcept;

// Gives the line its storage for fs, as silence; allocates, so never on the
// audio thread. Keeps the line as it is when the storage is unchanged.
void linePrepare (DelayLine& line, double fs);

// Sets the line length to n samples and silences the line. Does nothing for
// n below 1.
void lineResize (DelayLine& line, int n) noexcept;

// One sample: feeds x into the line and reads it delay samples back. Returns
// 0 for an input that is not a finite number and then changes nothing.
float lineProcess (DelayLine& line, float x, float delay, float feedback, bool slapback) noexcept;

} // namespace gatevox
