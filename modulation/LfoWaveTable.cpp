#include "modulation/LfoWaveTable.h"

#include <algorithm>
#include <cmath>

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
} // namespace

LfoWaveTable::LfoWaveTable (UserWaveStore& store)
    : userWaves (store), banks (std::make_unique<std::atomic<float>[]> (2 * static_cast<std::size_t> (tablePoints)))
{
}

void LfoWaveTable::generate (std::int32_t number, double dutyCycle, double floorLevel) noexcept
{
    LfoBaseWave wave;
    generateLfoBaseWave (wave, number, dutyCycle, floorLevel, userWaves);
    for (std::size_t i = 0; i < wave.size(); ++i)
        base[i] = wave[i];
}

void LfoWaveTable::rebuild (std::int32_t number, double dutyCycle, double floorLevel, RebuildTiming timing) noexcept
{
    if (timing == RebuildTiming::now)
    {
        rebuildRequested.store (false, std::memory_order_relaxed);
        generate (number, dutyCycle, floorLevel);
        expand();
        return;
    }

    requestedNumber = number;
    requestedDuty = dutyCycle;
    requestedFloor = floorLevel;
    rebuildRequested.store (true, std::memory_order_release);
}

bool LfoWaveTable::applyRequestedRebuild() noexcept
{
    // A request that lands while this one runs raises the flag again and is
    // applied by the next call.
    if (!rebuildRequested.exchange (false, std::memory_order_acquire))
        return false;

    generate (requestedNumber, requestedDuty, requestedFloor);
    expand();
    return true;
}

void LfoWaveTable::beginBuild() noexcept
{
    std::int32_t expected = 0;
    while (!buildCounter.compare_exchange_weak (expected, 1, std::memory_order_acquire, std::memory_order_relaxed))
        expected = 0;
}

void LfoWaveTable::expand() noexcept
{
    beginBuild();

    const std::int32_t number = currentWaveform;
    const double fl = number >= 2 && number <= 4 ? limitLfoFloor (floor()) : 0.0;

    // Only a builder moves the generation, and this one holds the build.
    const auto published = generation.load (std::memory_order_relaxed);
    const auto bank = static_cast<std::size_t> ((published + 1) & 1);

    auto* out = banks.get() + bank * static_cast<std::size_t> (tablePoints);
    OnePole smoother;
    constexpr double lastStep = interpolationCount - 1;
    double prev = base[0];

    // Each base point, then 199 points that continue the slope from the
    // previous base point.
    for (std::size_t i = 0; i < base.size(); ++i)
    {
        const double cur = base[i];
        (out++)->store (static_cast<float> (cur), std::memory_order_release);

        const float slope = std::fabs (static_cast<float> (cur)) - std::fabs (static_cast<float> (prev));
        for (int j = 1; j < interpolationCount; ++j)
        {
            double v = cur + static_cast<double> (slope) * j / lastStep;
            v = std::max (std::min (v, 1.0), fl);
            v = std::max (smoother.step (v), fl);
            (out++)->store (static_cast<float> (v), std::memory_order_release);
        }
        prev = cur;
    }

    generation.store (published + 1, std::memory_order_release);
    buildCounter.fetch_sub (1, std::memory_order_release);
}

float LfoWaveTable::publishedEntry (std::int32_t index) const noexcept
{
    for (;;)
    {
        const auto seen = generation.load (std::memory_order_acquire);
        const auto bank = static_cast<std::size_t> (seen & 1);
        const float value =
            banks[bank * static_cast<std::size_t> (tablePoints) + static_cast<std::size_t> (index)].load (
                std::memory_order_acquire);
        if (generation.load (std::memory_order_relaxed) == seen)
            return value;
    }
}

float LfoWaveTable::read (std::int32_t position, float phase, float frequency, float fs,
                          std::int32_t& nextPosition) const noexcept
{
    const std::int32_t offset = phaseOffset (phase);
    nextPosition = wrapIntoTable (std::int64_t{position} + positionStep (frequency, fs));

    // At audio-rate steps each read lands on a cache line of its own: start
    // loading the one the next sample most likely reads (same phase, same
    // bank) while this sample renders. A prefetch is no access to the atomic.
    const auto nextIndex = static_cast<std::size_t> (wrapIntoTable (std::int64_t{nextPosition} + offset));
    const auto bank = static_cast<std::size_t> (generation.load (std::memory_order_relaxed) & 1);
    __builtin_prefetch (banks.get() + bank * static_cast<std::size_t> (tablePoints) + nextIndex);

    return publishedEntry (wrapIntoTable (std::int64_t{position} + offset));
}

double LfoWaveTable::basePoint (int i) const noexcept
{
    return base[static_cast<std::size_t> (std::clamp (i, 0, basePoints - 1))];
}

float LfoWaveTable::entry (int i) const noexcept
{
    return publishedEntry (std::clamp (i, 0, tablePoints - 1));
}

} // namespace gatevox
