#pragma once

#include <array>
#include <vector>

namespace gatevox
{

// A short delay swept between a centre and centre - width (in seconds) by the
// LFO, read through a first-order interpolator and averaged over eight
// samples. It has no feedback, so the buffer only has to hold what the taps
// reach: the centre delay and two samples.
struct CombLine
{
    // What the comb kernels pass.
    static constexpr float kernelWidth = 0.015f;
    static constexpr float kernelCentre = 0.03f;

    std::vector<float> buffer = std::vector<float> (2); // resized off the audio thread only
    int length = 2;
    int w = 0;

    float width = 0.0f;  // smoothed, seconds
    float centre = 0.0f; // smoothed, seconds
    float rate = 0.0f;   // the sample rate the delays were derived for
    bool initialise = false;
    bool pending = false;
    float centreSamples = 0.0f;
    float widthSamples = 0.0f;

    float y1 = 0.0f;
    std::array<float, 8> history{};
    int newest = 0;
};

// Samples a line needs for a centre delay at fs: every tap sits at most
// ceil (centre x fs) + 1 samples behind the write position.
[[nodiscard]] int combLengthFor (float centreSeconds, float fs) noexcept;

// Gives the line room for the kernels' centre at fs, as zeros; allocates, so
// never on the audio thread. Keeps the line as it is when the room is unchanged.
void combPrepare (CombLine& line, float fs);

// One sample. Returns 0 for an input that is not a finite number and then
// changes nothing. Taps that would leave the buffer (LFO values outside 0-1)
// are held at its ends.
float combProcess (CombLine& line, float x, float lfo, float widthSeconds, float centreSeconds, float fs) noexcept;

} // namespace gatevox
