#include "modulation/LfoWaveTable.h"

#include "modulation/SharedTableCache.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace gatevox
{
namespace
{
constexpr auto tableSize = static_cast<std::int64_t> (LfoWaveTable::tablePoints);
constexpr float phaseLimit = 6.2831855f;

// Mathematical modulo into 0 .. tablePoints - 1. Most values are already
// there or one table past it, which needs no division.
std::int32_t wrapIntoTable (std::int64_t v) noexcept
{
    if (v >= 0 && v < 2 * tableSize)
        return static_cast<std::int32_t> (v < tableSize ? v : v - tableSize);
    const std::int64_t r = v % tableSize;
    return static_cast<std::int32_t> (r < 0 ? r + tableSize : r);
}

std::int32_t phaseOffset (float phase) noexcept
{
    if (!(phase == phase))
        return 0;
    const float limited = std::clamp (phase, -phaseLimit, phaseLimit);
    return static_cast<std::int32_t> (limited * static_cast<float> (LfoWaveTable::tablePoints));
}

// trunc(frequency x 204,800 / fs), reduced by the remainder of truncating
// division; frequencies of fs or more wrap.
std::int32_t positionStep (float frequency, float fs) noexcept
{
    const double steps = static_cast<double> (frequency) * LfoWaveTable::tablePoints / static_cast<double> (fs);
    if (!std::isfinite (steps))
        return 0;
    // A whole number below the table size in magnitude is its own remainder.
    const double whole = std::trunc (steps);
    if (std::fabs (whole) < static_cast<double> (tableSize))
        return static_cast<std::int32_t> (whole);
    return static_cast<std::int32_t> (std::fmod (whole, static_cast<double> (tableSize)));
}

LfoTable expandLfoTable (const LfoTable::Content& content)
{
    LfoTable table;
    table.entries.resize (static_cast<std::size_t> (LfoWaveTable::tablePoints));
    auto out = table.entries.begin();

    const double fl = content.floor;
    OnePole smoother;
    constexpr double lastStep = LfoWaveTable::interpolationCount - 1;
    double prev = content.base[0];

    // Each base point, then 199 points that continue the slope from the
    // previous base point.
    for (const double cur : content.base)
    {
        *out++ = static_cast<float> (cur);

        const float slope = std::fabs (static_cast<float> (cur)) - std::fabs (static_cast<float> (prev));
        for (int j = 1; j < LfoWaveTable::interpolationCount; ++j)
        {
            double v = cur + static_cast<double> (slope) * j / lastStep;
            v = std::max (std::min (v, 1.0), fl);
            v = std::max (smoother.step (v), fl);
            *out++ = static_cast<float> (v);
        }
        prev = cur;
    }
    return table;
}
} // namespace

LfoWaveTable::LfoWaveTable (UserWaveStore& store, const RenderEpoch& epochOfReaders)
    : userWaves (store), published (epochOfReaders)
{
    rebuild (0, 0.5, 0.0, RebuildTiming::now);
}

void LfoWaveTable::generateBase (std::int32_t number, double dutyCycle, double floorLevel) noexcept
{
    LfoBaseWave wave;
    generateLfoBaseWave (wave, number, dutyCycle, floorLevel, userWaves);
    for (std::size_t i = 0; i < wave.size(); ++i)
        base[i] = wave[i];
}

void LfoWaveTable::expandBase() noexcept
{
    const std::int32_t number = currentWaveform;

    LfoTable::Content content;
    for (std::size_t i = 0; i < base.size(); ++i)
        content.base[i] = base[i];
    content.floor = number >= 2 && number <= 4 ? limitLfoFloor (floor()) : 0.0;

    building.store (true, std::memory_order_release);
    try
    {
        published.publish (SharedTableCache<LfoTable::Content, LfoTable>::shared().obtain (content, expandLfoTable));
        generation.fetch_add (1, std::memory_order_release);
    }
    catch (const std::bad_alloc&)
    {
        // The slot keeps playing the table it has.
    }
    building.store (false, std::memory_order_release);
}

void LfoWaveTable::generate (std::int32_t number, double dutyCycle, double floorLevel) noexcept
{
    const std::lock_guard lock (buildMutex);
    generateBase (number, dutyCycle, floorLevel);
}

void LfoWaveTable::expand() noexcept
{
    const std::lock_guard lock (buildMutex);
    expandBase();
}

void LfoWaveTable::rebuild (std::int32_t number, double dutyCycle, double floorLevel, RebuildTiming timing) noexcept
{
    if (timing == RebuildTiming::now)
    {
        rebuildRequested.store (false, std::memory_order_relaxed);
        const std::lock_guard lock (buildMutex);
        generateBase (number, dutyCycle, floorLevel);
        expandBase();
        return;
    }

    requestedNumber = number;
    requestedDuty = dutyCycle;
    requestedFloor = floorLevel;
    rebuildRequested.store (true, std::memory_order_release);
}

bool LfoWaveTable::applyRequestedRebuild() noexcept
{
    // Taking the build lock first waits for a rebuild that another thread
    // took up just before, so the latest request's table is published on
    // return either way. A request that lands while this one runs raises the
    // flag again and is applied by the next call.
    const std::lock_guard lock (buildMutex);
    if (!rebuildRequested.exchange (false, std::memory_order_acquire))
        return false;

    generateBase (requestedNumber, requestedDuty, requestedFloor);
    expandBase();
    return true;
}

float LfoWaveTable::read (std::int32_t position, float phase, float frequency, float fs,
                          std::int32_t& nextPosition) const noexcept
{
    const float* entries = published.current()->entries.data();
    const std::int32_t offset = phaseOffset (phase);
    nextPosition = wrapIntoTable (std::int64_t{position} + positionStep (frequency, fs));

    // At audio-rate steps each read lands on a cache line of its own: start
    // loading the one the next sample most likely reads (same phase, same
    // table) while this sample renders.
    __builtin_prefetch (entries + wrapIntoTable (std::int64_t{nextPosition} + offset));

    return entries[wrapIntoTable (std::int64_t{position} + offset)];
}

double LfoWaveTable::basePoint (int i) const noexcept
{
    return base[static_cast<std::size_t> (std::clamp (i, 0, basePoints - 1))];
}

float LfoWaveTable::entry (int i) const noexcept
{
    return publishedTable()->entries[static_cast<std::size_t> (std::clamp (i, 0, tablePoints - 1))];
}

} // namespace gatevox
