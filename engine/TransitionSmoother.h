#pragma once

#include <array>

namespace gatevox
{

// The optional extra smoothing of one channel's wet signal. The mode number
// selects one of six computations; any mode other than 2 to 6 runs the
// recursive three-point mean. Audio thread only.
class TransitionSmoother
{
public:
    void setMode (int newMode) noexcept { mode = newMode; }
    [[nodiscard]] int getMode() const noexcept { return mode; }

    float process (float x) noexcept;

private:
    static constexpr int ringLength = 3;
    static constexpr int windowSize = 8;

    float windowStatistic (float x) noexcept;
    float averageWithPrevious (float x) noexcept;
    float doubleExponential (float x) noexcept;
    float threePointMean (float x) noexcept;

    int mode = 1;

    int ringIndex = 0;
    std::array<float, ringLength> ring{};

    // Shared by modes 4 and 5, so a change between them carries them over.
    float output = 0.0f;
    float previous = 0.0f;
    float trend = 0.0f;

    static constexpr float a = 0.5f;
    static constexpr float b = 0.5f;
    static constexpr float onePoleCoefficient = 0.666f;

    std::array<float, windowSize> window{}; // the last eight inputs of mode 2
};

} // namespace gatevox
