#pragma once

#include "core/Guarded.h"
#include "core/RelaxedAtomic.h"

namespace gatevox
{

// Per-slot settings. Integer k and float k keep their numbers in the state and
// preset files ("controls_<slot>_i_<k>", "controls_<slot>_f_<k>"). Writers use
// the waiting write.
struct SlotSettings
{
    enum Int : std::size_t
    {
        routeType = 0, // -1 to 3: 0 Parallel, 1 Series A, 2 Series B, 3 Series C
        reservedInt1 = 1,
        position = 2, // LFO read position of the current sample
        reservedInt3 = 3,
        waveform = 4, // LFO waveform number 0-14
        kernelId = 5, // index into the kernel catalogue
        freqSnap = 6,
        reservedInt7 = 7,
        retrigger = 8, // 1: restart the LFO when the slot starts and at step 1
        reservedInt9 = 9,
        snapOn = 10,
        snapInterval = 11,
        paramSelect1 = 12, // 12-15: 1-based kernel parameter number of knob 1-4
        reservedInt16 = 16,
        intCount = 17
    };

    enum Float : std::size_t
    {
        waveformNormalised = 0,
        kernelNormalised = 1,
        dutyCycle = 2,
        snapOnNormalised = 3,
        barsPerSecond = 4, // the host tempo as bars of four beats per second; nothing reads it
        reservedFloat5 = 5,
        freqSnapNormalised = 6,
        lfoRate = 7, // normalised, rescaled with the host tempo
        reservedFloat8 = 8,
        phase = 9, // LFO phase offset -1 to 1
        reservedFloat10 = 10,
        reservedFloat11 = 11,
        gain = 12,                   // slot output gain, linear
        pan = 13,                    // 0-1, 0.5 = centre
        paramSelectNormalised1 = 14, // 14-17
        snapIntervalNormalised = 18,
        knobValue1 = 19,   // 19-22: knob 1-4 value normalised
        lfoFrequency = 23, // Hz, 20 x the normalised rate
        floor = 24,        // LFO floor
        reservedFloat25 = 25,
        floatCount = 26
    };

    static constexpr std::size_t numKnobs = 4;
    static constexpr std::size_t numLoadMarkers = 2;

    GuardedBlock<std::int32_t, intCount> ints;
    GuardedBlock<float, floatCount> floats;
    GuardedBlock<std::uint8_t, numLoadMarkers> loadMarkers;
    RelaxedAtomic<std::int32_t> nextPosition{0}; // LFO read position of the next sample
    std::atomic<std::int32_t> kernelRefreshCount{0};

    // Gives every field that has a reset value that value; the reserved float 4
    // follows the tempo at this moment.
    void reset (float tempo) noexcept;
};

} // namespace gatevox
