#pragma once

#include "core/ModelSizes.h"
#include "core/RelaxedAtomic.h"

#include <array>
#include <cstdint>
#include <vector>

namespace gatevox
{

// One slot's envelope: four segments, each a precomputed table of N points
// along a cubic Bezier curve shaped by the segment's three knobs.
//
// buildSegment runs on a control thread while envelopeValue runs on the audio
// thread and may read the segment being rebuilt. Every point is a relaxed
// atomic float, so a read takes each point whole, old or new, and never waits.
class EnvelopeGenerator
{
public:
    // Builds the four default segments; a count below 1 gives an inactive
    // generator with empty tables.
    explicit EnvelopeGenerator (std::int32_t points);

    // Recomputes segment g (0-3) from its start level x, shape y and end level
    // z. Other segment numbers are ignored. Every point stays finite: a knob
    // that is not a number acts as 0, and knobs too large for the curve's
    // arithmetic are held where it cannot overflow.
    void buildSegment (int g, float x, float y, float z) noexcept;

    // The value of segment g for this sample of the envelope period; 0 for a
    // segment number outside 0-3. Audio thread only.
    [[nodiscard]] float envelopeValue (int g, int clock, float period) noexcept;

    [[nodiscard]] bool isActive() const noexcept { return pointCount >= 1; }
    [[nodiscard]] std::int32_t numPoints() const noexcept { return pointCount; }
    [[nodiscard]] std::int32_t lastReadIndex() const noexcept { return lastIndex; }

    // Point j of segment g as stored, both clamped into range; 0 when inactive.
    [[nodiscard]] float point (int g, int j) const noexcept;

private:
    using Table = std::vector<RelaxedAtomic<float>>;

    const std::int32_t pointCount;
    std::array<Table, numEnvelopeSegments> tables;

    // The last point written by any build; the next build starts from it.
    RelaxedAtomic<float> buildRegister{0.0f};

    std::array<float, numEnvelopeSegments> readRegisters{};
    RelaxedAtomic<std::int32_t> lastIndex{0};
};

} // namespace gatevox
