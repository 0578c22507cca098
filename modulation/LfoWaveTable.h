#pragma once

#include "core/Guarded.h"
#include "core/RebuildTiming.h"
#include "core/RelaxedAtomic.h"
#include "modulation/LfoGenerators.h"
#include "modulation/PublishedTable.h"
#include "modulation/UserWaveStore.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace gatevox
{

// The expanded table of one base wave: each of the 1024 base points followed
// by 199 points that continue its slope, held at or above the floor.
struct LfoTable
{
    // What fixes every entry: the base wave and the floor the expansion holds.
    struct Content
    {
        LfoBaseWave base;
        double floor;
    };
    static_assert (sizeof (Content) == sizeof (double) * (lfoBasePoints + 1), "content is compared bit for bit");

    std::vector<float> entries;
};

// One slot's wave-table LFO: a 1024-point base wave, expanded into a table of
// 204,800 points that the audio thread reads once per sample.
//
// Tables are immutable and shared by every slot of every instance that asks
// for the same content; a rebuild publishes the slot's new table with one
// pointer store (see PublishedTable), so a reader reads one whole table, old
// or new, and never waits. Rebuilds run on control threads, one at a time per
// slot.
class LfoWaveTable
{
public:
    static constexpr int basePoints = lfoBasePoints;
    static constexpr int interpolationCount = 200;
    static constexpr int tablePoints = basePoints * interpolationCount;

    // Starts with the sine at half duty, a slot's reset shape.
    LfoWaveTable (UserWaveStore& store, const RenderEpoch& epochOfReaders);

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

    // Publishes the table of the base wave, shared when another slot already
    // has it, built otherwise. Waits for a rebuild of this slot on another
    // thread to finish first. Keeps the published table when memory runs out.
    void expand() noexcept;

    // Generates and expands at once (control threads only), dropping a
    // deferred request, which this rebuild supersedes; or, deferred, leaves the
    // rebuild to applyRequestedRebuild, where the latest request's arguments
    // win (any thread; never waits).
    void rebuild (std::int32_t number, double dutyCycle, double floorLevel, RebuildTiming timing) noexcept;

    // Runs the latest requested rebuild, if one is waiting, or waits for one
    // that another thread is running; returns whether it ran one itself.
    // Control threads only.
    bool applyRequestedRebuild() noexcept;

    // Tables published so far; it moves with every expansion.
    [[nodiscard]] std::uint32_t publishedGeneration() const noexcept
    {
        return generation.load (std::memory_order_acquire);
    }

    // Lets go of replaced tables that no block can read any more. Control threads.
    void releaseRetiredTables() { published.releaseRetired(); }

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
        return building.load (std::memory_order_acquire) || rebuildRequested.load (std::memory_order_acquire);
    }

    // A share of the published table. Control threads.
    [[nodiscard]] std::shared_ptr<const LfoTable> publishedTable() const { return published.held(); }

    // Base point i and published entry i, with i clamped into range. Control threads.
    [[nodiscard]] double basePoint (int i) const noexcept;
    [[nodiscard]] float entry (int i) const noexcept;

private:
    static constexpr std::size_t dutyField = 0;
    static constexpr std::size_t floorField = 1;

    void generateBase (std::int32_t number, double dutyCycle, double floorLevel) noexcept;
    void expandBase() noexcept;

    UserWaveStore& userWaves;
    RelaxedAtomic<std::int32_t> currentWaveform{0};
    GuardedBlock<double, 2> shape;
    std::array<RelaxedAtomic<double>, basePoints> base{};

    std::mutex buildMutex; // one rebuild of this slot at a time
    PublishedTable<LfoTable> published;
    std::atomic<std::uint32_t> generation{0};
    std::atomic<bool> building{false};

    RelaxedAtomic<std::int32_t> requestedNumber{0};
    RelaxedAtomic<double> requestedDuty{0.0};
    RelaxedAtomic<double> requestedFloor{0.0};
    std::atomic<bool> rebuildRequested{false};
};

} // namespace gatevox
