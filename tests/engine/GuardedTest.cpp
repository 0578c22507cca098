#include "core/Guarded.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace gatevox;

TEST (Guarded, ReadTakesPreviousCopyWhileCounterIsRaised)
{
    GuardedBlock<float, 2> block;
    block.waitingWrite (0, 1.0f);
    block.waitingWrite (0, 2.0f);
    EXPECT_EQ (block.read (0), 2.0f);

    // A writer in the middle of its write: the old value stays visible.
    GuardCounter& counter = block.writeCounter();
    counter.raise();
    EXPECT_EQ (block.read (0), 2.0f);
    counter.lower();
    EXPECT_EQ (block.read (0), 2.0f);
}

TEST (Guarded, SkippingWriteIsDroppedWhileAnotherWriterHoldsTheCounter)
{
    GuardedBlock<std::int32_t, 4> block;
    EXPECT_TRUE (block.skippingWrite (1, 7));
    block.writeCounter().raise();
    EXPECT_FALSE (block.skippingWrite (1, 9));
    block.writeCounter().lower();
    EXPECT_EQ (block.read (1), 7);
    EXPECT_TRUE (block.skippingWrite (1, 9));
    EXPECT_EQ (block.read (1), 9);
}

TEST (Guarded, DrainingReleaseLowersEveryRaise)
{
    GuardedBlock<float, 1> block;
    GuardCounter& counter = block.writeCounter();
    std::thread other ([&] { block.drainingRelease (0, 3.0f); });
    other.join();
    EXPECT_EQ (counter.value(), 0);
    EXPECT_EQ (block.read (0), 3.0f);

    // A counter left raised by someone else is driven down as well.
    GuardCounter stuck;
    stuck.raise();
    stuck.raise();
    stuck.drain();
    EXPECT_LE (stuck.value(), 0);
}

TEST (Guarded, FillWritesEveryFieldAndBothBanks)
{
    GuardedBlock<std::int32_t, 16> block;
    block.fill (5);
    for (std::size_t i = 0; i < 16; ++i)
        EXPECT_EQ (block.read (i), 5);
    block.writeCounter().raise(); // the previous bank holds the same values
    for (std::size_t i = 0; i < 16; ++i)
        EXPECT_EQ (block.read (i), 5);
    block.writeCounter().lower();
}

// Two writers and a reader on one block: every value read is one that was
// written, and the counter comes back to rest.
TEST (Guarded, ContendedWritersAndReaderSeeOnlyWrittenValues)
{
    GuardedBlock<std::int32_t, 2> block;
    block.waitingWrite (0, 0);
    std::atomic<bool> stop{false};
    std::atomic<bool> badRead{false};

    std::thread reader (
        [&]
        {
            while (!stop.load())
            {
                const auto v = block.read (0);
                if (v < 0 || v > 20000 || (v % 2 != 0 && v < 10001))
                    badRead = true;
            }
        });

    std::thread evenWriter (
        [&]
        {
            for (std::int32_t v = 0; v <= 10000; v += 2)
                block.waitingWrite (0, v);
        });
    std::thread oddWriter (
        [&]
        {
            for (std::int32_t v = 10001; v <= 20000; ++v)
                block.skippingWrite (0, v);
        });

    evenWriter.join();
    oddWriter.join();
    stop = true;
    reader.join();

    EXPECT_FALSE (badRead.load());
    EXPECT_EQ (block.writeCounter().value(), 0);
}
