#include "modulation/EnvelopeGenerator.h"

#include "core/SafeMath.h"
#include "modulation/SharedTableCache.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <new>

namespace gatevox
{

namespace
{
constexpr float minimumPeriod = 1024.0f;

// The curve's partial products reach 3 x 1.25 x the largest knob, so knobs
// within an eighth of the float range keep every point, and with them the
// build register that the next build starts from, finite.
constexpr float largestKnob = std::numeric_limits<float>::max() / 8.0f;

// A knob that is not a number acts as 0; any other is held within largestKnob.
[[nodiscard]] float usableKnob (float knob) noexcept
{
    return knob == knob ? std::clamp (knob, -largestKnob, largestKnob) : 0.0f;
}

[[nodiscard]] bool isSegment (int g) noexcept
{
    return g >= 0 && g < numEnvelopeSegments;
}
} // namespace

EnvelopeSegment buildEnvelopeSegment (const EnvelopeSegment::Content& c)
{
    EnvelopeSegment segment;
    segment.points.resize (static_cast<std::size_t> (c.points));

    const float p = 1.25f * c.y;
    const float q = 0.75f * c.y;
    const float step = 1.0f / static_cast<float> (c.points);

    float t = 0.0f;
    float r = c.start;
    for (auto& v : segment.points)
    {
        const float u = 1.0f - t;
        const float bezier = u * u * u * c.x + 3.0f * u * u * t * p + 3.0f * u * t * t * q + t * t * t * c.z;
        r = 0.999f * bezier + 0.001f * r;
        v = r;
        t += step;
    }
    return segment;
}

EnvelopeGenerator::EnvelopeGenerator (std::int32_t points, const RenderEpoch& epochOfReaders)
    : pointCount (std::max (points, std::int32_t{0})), segments{PublishedTable<EnvelopeSegment> (epochOfReaders),
                                                                PublishedTable<EnvelopeSegment> (epochOfReaders),
                                                                PublishedTable<EnvelopeSegment> (epochOfReaders),
                                                                PublishedTable<EnvelopeSegment> (epochOfReaders)}
{
    buildSegment (0, 0.0f, 0.5f, 1.0f);
    buildSegment (1, 1.0f, 1.0f, 1.0f);
    buildSegment (2, 1.0f, 1.0f, 1.0f);
    buildSegment (3, 1.0f, 0.5f, 0.0f);
}

void EnvelopeGenerator::buildSegment (int g, float x, float y, float z) noexcept
{
    if (!isSegment (g) || !isActive())
        return;

    const std::lock_guard lock (buildMutex);
    const EnvelopeSegment::Content content{usableKnob (x), usableKnob (y), usableKnob (z), buildRegister, pointCount};
    try
    {
        auto table = SharedTableCache<EnvelopeSegment::Content, EnvelopeSegment>::shared().obtain (
            content, buildEnvelopeSegment);
        buildRegister = table->points.back();
        segments[static_cast<std::size_t> (g)].publish (std::move (table));
    }
    catch (const std::bad_alloc&)
    {
        // The segment keeps the table it has.
    }
}

float EnvelopeGenerator::envelopeValue (int g, int clock, float period) noexcept
{
    if (!isSegment (g) || !isActive())
        return 0.0f;

    const auto n = static_cast<float> (pointCount);
    const float d = std::max (std::min (period, n), minimumPeriod);

    // A period that is not a number gives index 0 through the truncation.
    const std::int32_t i = std::clamp (truncToInt (static_cast<float> (clock) * n / d), 1, pointCount) - 1;
    lastIndex = i;

    const auto segment = static_cast<std::size_t> (g);
    const float stored = segments[segment].current()->points[static_cast<std::size_t> (i)];
    const float value = 0.999f * stored + 0.001f * readRegisters[segment];
    readRegisters[segment] = stored;
    return value;
}

float EnvelopeGenerator::point (int g, int j) const noexcept
{
    if (!isActive())
        return 0.0f;

    return segmentTable (g)->points[static_cast<std::size_t> (std::clamp (j, 0, pointCount - 1))];
}

std::shared_ptr<const EnvelopeSegment> EnvelopeGenerator::segmentTable (int g) const
{
    return segments[static_cast<std::size_t> (std::clamp (g, 0, numEnvelopeSegments - 1))].held();
}

void EnvelopeGenerator::releaseRetiredTables()
{
    for (auto& segment : segments)
        segment.releaseRetired();
}

} // namespace gatevox
