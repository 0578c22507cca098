#pragma once

#include "modulation/RenderEpoch.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace gatevox
{

// One immutable table as the audio thread sees it. Control threads publish a
// replacement with one pointer store and hold the old table until every block
// that may still read it has ended; the audio thread only loads the pointer,
// so it never waits and never frees. Until the first publication there is no
// table: current() is null.
template <typename Table> class PublishedTable
{
public:
    explicit PublishedTable (const RenderEpoch& epochOfReaders) noexcept : epoch (epochOfReaders) {}

    PublishedTable (const PublishedTable&) = delete;
    PublishedTable& operator= (const PublishedTable&) = delete;

    // Audio thread: the table to read for this sample.
    [[nodiscard]] const Table* current() const noexcept { return live.load (std::memory_order_seq_cst); }

    // Control threads: a share of the published table, safe to read for as
    // long as it is held.
    [[nodiscard]] std::shared_ptr<const Table> held() const
    {
        const std::lock_guard lock (mutex);
        return owner;
    }

    // Control threads: publishes `table` (not null) and releases the tables
    // that no block can still read.
    void publish (std::shared_ptr<const Table> table)
    {
        const std::lock_guard lock (mutex);
        live.store (table.get(), std::memory_order_seq_cst);
        retired.emplace_back (std::exchange (owner, std::move (table)), epoch.stamp());
        releasePassed();
    }

    // Control threads: releases the replaced tables that no block can still read.
    void releaseRetired()
    {
        const std::lock_guard lock (mutex);
        releasePassed();
    }

private:
    void releasePassed()
    {
        std::erase_if (retired, [this] (const auto& r) { return epoch.hasPassed (r.second); });
    }

    const RenderEpoch& epoch;
    mutable std::mutex mutex;
    std::shared_ptr<const Table> owner;
    std::atomic<const Table*> live{nullptr};
    std::vector<std::pair<std::shared_ptr<const Table>, std::uint64_t>> retired;
};

} // namespace gatevox
