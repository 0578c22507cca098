#pragma once

// Counts the heap calls, allocations and frees alike, that an action makes.
// A program that links AllocationCounter.cpp has the global allocation
// functions replaced for its whole life; they count only inside heapCallsDuring.

namespace allocationCounter
{
void start() noexcept;
long stop() noexcept; // the calls since start
} // namespace allocationCounter

template <typename Action> long heapCallsDuring (Action&& action)
{
    allocationCounter::start();
    action();
    return allocationCounter::stop();
}
