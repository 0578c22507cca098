#pragma once

#include "kernels/RealFft.h"

#include <vector>

namespace gatevox
{

// Estimates a frequency from frames of 2048 samples: each full frame is
// windowed, zero-padded to 4096, transformed, and the bin phases give one
// estimate per bin; the largest peak among them ever seen is kept and
// smoothed into the output. Buffers are sized at construction.
class FrequencyTracker
{
public:
    static constexpr int frameSize = 2048;
    static constexpr int transformSize = 4096;
    static constexpr float threshold = 15.0f;

    FrequencyTracker();

    [[nodiscard]] float maximum() const noexcept { return mx; }
    [[nodiscard]] float output() const noexcept { return y; }
    [[nodiscard]] float binStep() const noexcept { return binHz; }
    [[nodiscard]] int filled() const noexcept { return fill; }
    [[nodiscard]] const std::vector<float>& estimates() const noexcept { return estimate; }

    // One sample of the tracker; returns the smoothed estimate, or 0 (and
    // changes nothing) for a sample that is not a number.
    friend float trackFrequency (FrequencyTracker& tracker, float x, float fs) noexcept;

private:
    void analyse() noexcept;

    std::vector<float> frame;
    std::vector<float> window;
    std::vector<float> input;
    std::vector<float> spectrum;
    std::vector<float> estimate;
    RealFft fft{transformSize};
    int fill = 0;
    float binHz = 11.71875f;
    float rate = 0.0f;
    int peak = 0;
    float mx = 0.0f;
    float y = 0.0f;
};

float trackFrequency (FrequencyTracker& tracker, float x, float fs) noexcept;

} // namespace gatevox
