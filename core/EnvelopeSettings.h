#pragma once

#include "core/Guarded.h"
#include "core/ModelSizes.h"

namespace gatevox
{

// A slot's envelope: where it acts and the three knobs of each of its four
// segments (start level, shape, end level).
struct EnvelopeSettings
{
    // Destination numbers as the envelope page lists them; 0 acts as "Gain".
    enum Destination : std::int32_t
    {
        gainDestination = 1,
        freqDestination = 2,
        panDestination = 3,
        param1Destination = 4 // 4-7: "Param1" to "Param4"
    };

    enum Switch : std::size_t
    {
        envelopeOn,
        destinationNormalised, // destination / 7, as the state file stores it
        switchCount
    };

    static constexpr std::size_t knobCount = numEnvelopeSegments * knobsPerSegment;

    [[nodiscard]] static constexpr std::size_t knobIndex (int segment, int knob) noexcept
    {
        return static_cast<std::size_t> (segment * knobsPerSegment + knob);
    }

    GuardedBlock<std::int32_t, 1> destination; // waiting write
    GuardedBlock<float, knobCount> knobs;      // draining release
    GuardedBlock<float, switchCount> switches; // waiting write

    // Knobs, Envelope On and the normalised destination back to their reset
    // values; the integer destination is left alone.
    void reset() noexcept;
};

} // namespace gatevox
