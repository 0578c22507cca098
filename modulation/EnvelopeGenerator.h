#pragma once

#include "core/ModelSizes.h"
#include "core/RelaxedAtomic.h"
#include "modulation/PublishedTable.h"

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace gatevox
{

// One envelope segment's table of N points along a cubic Bezier curve.
struct EnvelopeSegment
{
    // What fixes every point: the three knobs as the curve uses them, the
    // build register the curve starts from and the number of points.
    struct Content
    {
        float x;
        float y;
        float z;
        float start;
        std::int32_t points;
    };
    static_assert (sizeof (Content) == 5 * sizeof (float), "content is compared bit for bit");

    std::vector<float> points;
};

// The segment of that content: each point is 0.999 of the curve at t = j / N
// plus 0.001 of the point before it, the first taking the start register.
[[nodiscard]] EnvelopeSegment buildEnvelopeSegment (const EnvelopeSegment::Content& content);

// One slot's envelope: four segments, each a precomputed table of N points
// along a cubic Bezier curve shaped by the segment's three knobs.
//
// Segment tables are immutable and shared by every generator in the process
// that asks for the same content. buildSegment runs on a control thread and
// publishes the new table with one pointer store while envelopeValue runs on
// the audio thread, which reads one whole table, old or new, and never waits.
class EnvelopeGenerator
{
public:
    // Builds the four default segments; a count below 1 gives an inactive
    // generator with no tables.
    EnvelopeGenerator (std::int32_t points, const RenderEpoch& epochOfReaders);

    // Recomputes segment g (0-3) from its start level x, shape y and end level
    // z. Other segment numbers are ignored. Every point stays finite: a knob
    // that is not a number acts as 0, and knobs too large for the curve's
    // arithmetic are held where it cannot overflow. Control threads, one
    // build at a time; the segment is kept when memory runs out.
    void buildSegment (int g, float x, float y, float z) noexcept;

    // The value of segment g for this sample of the envelope period; 0 for a
    // segment number outside 0-3. Audio thread only.
    [[nodiscard]] float envelopeValue (int g, int clock, float period) noexcept;

    [[nodiscard]] bool isActive() const noexcept { return pointCount >= 1; }
    [[nodiscard]] std::int32_t numPoints() const noexcept { return pointCount; }
    [[nodiscard]] std::int32_t lastReadIndex() const noexcept { return lastIndex; }

    // Point j of segment g as stored, both clamped into range; 0 when
    // inactive. Control threads.
    [[nodiscard]] float point (int g, int j) const noexcept;

    // A share of segment g's published table (g clamped into range); null
    // when inactive. Control threads.
    [[nodiscard]] std::shared_ptr<const EnvelopeSegment> segmentTable (int g) const;

    // Lets go of replaced segments that no block can read any more. Control threads.
    void releaseRetiredTables();

private:
    const std::int32_t pointCount;
    std::array<PublishedTable<EnvelopeSegment>, numEnvelopeSegments> segments;

    std::mutex buildMutex;
    // The last point of the latest build; the next build starts from it.
    float buildRegister = 0.0f;

    std::array<float, numEnvelopeSegments> readRegisters{};
    RelaxedAtomic<std::int32_t> lastIndex{0};
};

} // namespace gatevox
