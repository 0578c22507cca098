#include "modulation/EnvelopeGenerator.h"

#include "core/SafeMath.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <limits>

namespace gatevox
{

static_assert (std::atomic<float>::is_always_lock_free, "envelope reads must never wait");

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

EnvelopeGenerator::EnvelopeGenerator (std::int32_t points) : pointCount (std::max (points, std::int32_t{0}))
{
    for (auto& table : tables)
        table = Table (static_cast<std::size_t> (pointCount));

    buildSegment (0, 0.0f, 0.5f, 1.0f);
    buildSegment (1, 1.0f, 1.0f, 1.0f);
    buildSegment (2, 1.0f, 1.0f, 1.0f);
    buildSegment (3, 1.0f, 0.5f, 0.0f);
}

void EnvelopeGenerator::buildSegment (int g, float x, float y, float z) noexcept
{
    if (!isSegment (g) || !isActive())
        return;

    x = usableKnob (x);
    y = usableKnob (y);
    z = usableKnob (z);

    auto& table = tables[static_cast<std::size_t> (g)];
    const float p = 1.25f * y;
    const float q = 0.75f * y;
    const float step = 1.0f / static_cast<float> (pointCount);

    float t = 0.0f;
    float r = buildRegister;
    for (auto& v : table)
    {
        const float u = 1.0f - t;
        const float bezier = u * u * u * x + 3.0f * u * u * t * p + 3.0f * u * t * t * q + t * t * t * z;
        r = 0.999f * bezier + 0.001f * r;
        v = r;
        t += step;
    }
    buildRegister = r;
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
    const float stored = tables[segment][static_cast<std::size_t> (i)];
    const float value = 0.999f * stored + 0.001f * readRegisters[segment];
    readRegisters[segment] = stored;
    return value;
}

float EnvelopeGenerator::point (int g, int j) const noexcept
{
    if (!isActive())
        return 0.0f;

    const auto segment = static_cast<std::size_t> (std::clamp (g, 0, numEnvelopeSegments - 1));
    return tables[segment][static_cast<std::size_t> (std::clamp (j, 0, pointCount - 1))];
}

} // namespace gatevox
