#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace gatevox
{

// The write counter that a block of guarded fields shares. While it is above
// zero a write to the block is in progress and readers take the previous copy.
class GuardCounter
{
public:
    [[nodiscard]] bool isRaised() const noexcept { return count.load (std::memory_order_acquire) > 0; }
    [[nodiscard]] std::int32_t value() const noexcept { return count.load (std::memory_order_acquire); }

    void waitUntilLowered() const noexcept
    {
        while (isRaised())
        {
        }
    }

    void raise() noexcept { count.fetch_add (1, std::memory_order_acq_rel); }
    void lower() noexcept { count.fetch_sub (1, std::memory_order_acq_rel); }

    // Decrements again and again until the counter is 0 or less, releasing
    // every writer that raised it meanwhile.
    void drain() noexcept
    {
        while (count.fetch_sub (1, std::memory_order_acq_rel) - 1 > 0)
        {
        }
    }

private:
    std::atomic<std::int32_t> count{0};
};

// One guarded field: a current and a previous copy. Both copies are atomics so
// that a reader never meets a half-written value.
template <typename T> struct GuardedCell
{
    std::atomic<T> current{};
    std::atomic<T> previous{};

    [[nodiscard]] T load (const GuardCounter& counter) const noexcept
    {
        return counter.isRaised() ? previous.load (std::memory_order_relaxed)
                                  : current.load (std::memory_order_relaxed);
    }

    void keepCurrentAsPrevious() noexcept
    {
        previous.store (current.load (std::memory_order_relaxed), std::memory_order_relaxed);
    }

    // Both copies already hold v: a write of v would change nothing a reader
    // can see, so the writers below skip it (and its counter traffic).
    [[nodiscard]] bool holds (T v) const noexcept
    {
        return current.load (std::memory_order_relaxed) == v && previous.load (std::memory_order_relaxed) == v;
    }
};

// Waiting write: wait for the block to be free, keep the old value readable
// while the new one is stored, then make it the previous copy too.
template <typename T> void waitingWrite (GuardCounter& counter, GuardedCell<T>& cell, T v) noexcept
{
    if (cell.holds (v))
        return;

    counter.waitUntilLowered();
    cell.keepCurrentAsPrevious();
    counter.raise();
    cell.current.store (v, std::memory_order_relaxed);
    counter.lower();
    cell.previous.store (v, std::memory_order_relaxed);
}

// Draining release: as the waiting write, but the counter is driven down to 0
// or less before the new value is copied into the previous copy.
template <typename T> void drainingRelease (GuardCounter& counter, GuardedCell<T>& cell, T v) noexcept
{
    counter.waitUntilLowered();
    cell.keepCurrentAsPrevious();
    counter.raise();
    cell.current.store (v, std::memory_order_relaxed);
    counter.drain();
    cell.keepCurrentAsPrevious();
}

// Skipping write: dropped when another write holds the counter. Returns
// whether the value was stored.
template <typename T> bool skippingWrite (GuardCounter& counter, GuardedCell<T>& cell, T v) noexcept
{
    if (counter.isRaised())
        return false;

    if (cell.holds (v))
        return true;

    cell.previous.store (v, std::memory_order_relaxed);
    counter.raise();
    cell.current.store (v, std::memory_order_relaxed);
    counter.lower();
    return true;
}

// A block of N guarded fields of one type under one counter.
template <typename T, std::size_t N> class GuardedBlock
{
public:
    static constexpr std::size_t size = N;

    [[nodiscard]] T read (std::size_t i) const noexcept { return cells[i].load (counter); }
    [[nodiscard]] bool holds (std::size_t i, T v) const noexcept { return cells[i].holds (v); }

    void waitingWrite (std::size_t i, T v) noexcept { gatevox::waitingWrite (counter, cells[i], v); }
    void drainingRelease (std::size_t i, T v) noexcept { gatevox::drainingRelease (counter, cells[i], v); }
    bool skippingWrite (std::size_t i, T v) noexcept { return gatevox::skippingWrite (counter, cells[i], v); }

    // The audio thread's write of a field it keeps up to date: both copies at
    // once, past the counter, so that it never waits on another writer and is
    // never dropped; a reader meets the old or the new value whole, whatever
    // the counter says.
    void overwrite (std::size_t i, T v) noexcept
    {
        cells[i].current.store (v, std::memory_order_relaxed);
        cells[i].previous.store (v, std::memory_order_relaxed);
    }

    // Raises the counter, writes every current copy, lowers the counter and
    // copies the current bank into the previous bank.
    void fill (T v) noexcept
    {
        counter.raise();
        for (auto& cell : cells)
            cell.current.store (v, std::memory_order_relaxed);
        counter.lower();
        for (auto& cell : cells)
            cell.keepCurrentAsPrevious();
    }

    [[nodiscard]] GuardCounter& writeCounter() noexcept { return counter; }
    [[nodiscard]] const GuardCounter& writeCounter() const noexcept { return counter; }

private:
    GuardCounter counter;
    std::array<GuardedCell<T>, N> cells{};
};

} // namespace gatevox
