#pragma once

#include <atomic>
#include <cstdint>

namespace gatevox
{

// Counts the audio thread's passes through the render loop, so that a control
// thread knows when a table it has replaced can no longer be read: the count
// is odd while a block renders. The audio thread loads a table's pointer at
// each read, so once the block that was rendering when the replacement went
// out has ended, nobody holds the old one.
class RenderEpoch
{
public:
    // Marks one rendered block, from construction to destruction.
    class BlockScope
    {
    public:
        explicit BlockScope (RenderEpoch& e) noexcept : epoch (e)
        {
            epoch.count.fetch_add (1, std::memory_order_seq_cst);
        }
        ~BlockScope() { epoch.count.fetch_add (1, std::memory_order_release); }
        BlockScope (const BlockScope&) = delete;
        BlockScope& operator= (const BlockScope&) = delete;

    private:
        RenderEpoch& epoch;
    };

    // Taken right after a replacement is published.
    [[nodiscard]] std::uint64_t stamp() const noexcept { return count.load (std::memory_order_seq_cst); }

    // Whether every block that may have loaded the pointer replaced at `taken`
    // has ended: none was rendering then, or the count has moved since.
    [[nodiscard]] bool hasPassed (std::uint64_t taken) const noexcept
    {
        return (taken & 1u) == 0 || count.load (std::memory_order_acquire) != taken;
    }

private:
    std::atomic<std::uint64_t> count{0};
};

} // namespace gatevox
