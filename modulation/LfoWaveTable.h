#pragma once

#include "core/Guarded.h"
#include "core/RebuildTiming.h"
#include "core/RelaxedAtomic.h"
#include "modulation/LfoGenerators.h"
#include "modulation/UserWaveStore.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>

namespace gatevox
{

// One slot's wave-table LFO: a 1024-point base wave, expanded into a table of
// 204,800 points that the audio thread reads once per sample.
//
// Publication: the table has two banks and a generation count, the number of
// expansions published so far; generation g is in bank g mod 2. An expansion
// (one at a time) writes bank (g + 1) mod 2, which no reader of generation g
// reads, then publishes g + 1 with a release store. A reader loads the
// generation, reads its entry from that bank and loads the generation again:
// if it moved, the next expansion may have started on the bank just read, so
// the reader tries again with the new one. Entries are stored with release and
// loaded with acquire (plain moves on x86): a reader that meets a value of a
// build in progress therefore also sees the generation that build started
// from, and retries. Readers never wait for a build; no access is a data race.
class LfoWaveTable
{
public:
    static constexpr int basePoints = lfoBasePoints;
    static constexpr int interpolationCount = 200;
    static constexpr int tablePoints = basePoints * interpolationCount;

    explicit LfoWaveTable (UserWaveStore& store);

    void setWaveformNumber (std::int32_t number) noexcept { currentWaveform = number; }
    [[nodiscard]] std::int32_t waveformNumber() const noexcept { return currentWaveform; }

    // Duty and floor share one write counter; both use the waiting write.
    void setDuty (double value) noexcept { shape.waitingWrite (dutyField, value); }
    void setFloor (double value) noexcept { shape.waitingWrite (floorField, value); }
    [[nodiscard]] double duty() const noexcept { return shape.read (dutyField); }
    [[nodiscard]] double floor() const noexcept { return shape.read (floorField); }

    // Writes the base wave of waveform `number` (see generateLfoBaseWave).
    // Control threads only; does not touch the published table.
    void generate (std::int32_t number, double dutyCycle, double floorLevel) noexcept;

    // Rebuilds the table from the base wave and publishes it. Waits for an
    // expansion of this table on another thread to finish first.
    void expand() noexcept;

    // Generates and expands at once (control threads only), dropping a
    // deferred request, which this rebuild supersedes; or, deferred, leaves the
    // rebuild to applyRequestedRebuild, where the latest request's arguments
    // win (any thread; never waits).
    void rebuild (std::int32_t number, double dutyCycle, double floorLevel, RebuildTiming timing) noexcept;

    // Runs the latest requested rebuild, if one is waiting; returns whether it
    // did. Control threads only.
    bool applyRequestedRebuild() noexcept;

    // Tables published so far; it moves with every expansion.
    [[nodiscard]] std::uint32_t publishedGeneration() const noexcept
    {
        return generation.load (std::memory_order_acquire);
    }

    // The per-sample read: the entry at position + trunc(phase x 204,800)
    // modulo the table, and the next position, advanced by
    // trunc(frequency x 204,800 / fs) modulo the table. A phase that is not
    // a number reads as 0 and phases are limited to -2 pi to 2 pi; a step
    // that is not finite (fs of 0, frequency not a number or infinite) leaves
    // the position where it is. Never waits and never leaves the table.
    [[nodiscard]] float read (std::int32_t position, float phase, float frequency, float fs,
                              std::int32_t& nextPosition) const noexcept;

    // Whether the published table is about to change: an expansion runs or a
    // deferred rebuild waits. Never waits itself.
    [[nodiscard]] bool isRebuilding() const noexcept
    {
        return buildCounter.load (std::memory_order_acquire) > 0 || rebuildRequested.load (std::memory_order_acquire);
    }

    // Base point i and published entry i, with i clamped into range.
    [[nodiscard]] double basePoint (int i) const noexcept;
    [[nodiscard]] float entry (int i) const noexcept;

private:
    static constexpr std::size_t dutyField = 0;
    static constexpr std::size_t floorField = 1;

    [[nodiscard]] float publishedEntry (std::int32_t index) const noexcept;
    void beginBuild() noexcept;

    UserWaveStore& userWaves;
    RelaxedAtomic<std::int32_t> currentWaveform{0};
    GuardedBlock<double, 2> shape;
    std::array<RelaxedAtomic<double>, basePoints> base{};

    std::unique_ptr<std::atomic<float>[]> banks;
    std::atomic<std::uint32_t> generation{0};
    std::atomic<std::int32_t> buildCounter{0};

    RelaxedAtomic<std::int32_t> requestedNumber{0};
    RelaxedAtomic<double> requestedDuty{0.0};
    RelaxedAtomic<double> requestedFloor{0.0};
    std::atomic<bool> rebuildRequested{false};
};

} // namespace gatevox
