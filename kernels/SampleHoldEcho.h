#pragma once

#include <array>
#include <cstdint>

namespace gatevox
{

// A sample-and-hold copy of a stereo input mixed with a short cross-coupled
// echo. One object per slot. The four buffers are sized once, for the
// longest delay the catalogue allows at the highest sample rate; a length
// change clears the part in use instead of replacing them.
struct SampleHoldEcho
{
    static constexpr float longestDelaySamples = 192.0f; // 0.001 s at 192 kHz
    static constexpr std::int32_t capacity = 2 * 192 + 2;

    float d = 0.0f; // smoothed delay, seconds
    float t = 0.0f; // d x fs, samples
    std::int32_t hold = 0;
    std::int32_t delayA = 0;
    std::int32_t delayB = 0;
    std::int32_t n = 0; // length in use; 0 until the first delay change
    std::int32_t holdCounter = 0;
    std::int32_t w = 0;
    float heldLeft = 0.0f;
    float heldRight = 0.0f;
    float lastLeft = 0.0f;
    float lastRight = 0.0f;

    std::array<float, capacity> historyLeft{};
    std::array<float, capacity> historyRight{};
    std::array<float, capacity> echoA{};
    std::array<float, capacity> echoB{};
};

struct EchoFrame
{
    float left;
    float right;
};

// One stereo sample with target delay delay (seconds) and hold amount a.
// While the smoothed delay glides toward a new target the buffers are
// cleared on every sample. Delays beyond the buffers are held to them; a
// target that is not a number is ignored.
[[nodiscard]] EchoFrame sampleHoldProcess (SampleHoldEcho& echo, float inLeft, float inRight, float delay, float a,
                                           float fs) noexcept;

} // namespace gatevox
