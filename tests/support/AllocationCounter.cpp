#include "tests/support/AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace
{
std::atomic<bool> counting{false};
std::atomic<long> calls{0};

void count() noexcept
{
    if (counting.load (std::memory_order_relaxed))
        calls.fetch_add (1, std::memory_order_relaxed);
}

void* countedAllocation (std::size_t size)
{
    count();
    if (void* p = std::malloc (size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

void* countedAllocationOrNull (std::size_t size) noexcept
{
    try
    {
        return countedAllocation (size);
    }
    catch (...)
    {
        return nullptr;
    }
}

void countedFree (void* p) noexcept
{
    if (p != nullptr)
        count();
    std::free (p);
}
} // namespace

void allocationCounter::start() noexcept
{
    calls = 0;
    counting = true;
}

long allocationCounter::stop() noexcept
{
    counting = false;
    return calls.exchange (0);
}

void* operator new (std::size_t size)
{
    return countedAllocation (size);
}
void* operator new[] (std::size_t size)
{
    return countedAllocation (size);
}
void* operator new (std::size_t size, const std::nothrow_t&) noexcept
{
    return countedAllocationOrNull (size);
}
void* operator new[] (std::size_t size, const std::nothrow_t&) noexcept
{
    return countedAllocationOrNull (size);
}
void operator delete (void* p) noexcept
{
    countedFree (p);
}
void operator delete[] (void* p) noexcept
{
    countedFree (p);
}
void operator delete (void* p, std::size_t) noexcept
{
    countedFree (p);
}
void operator delete[] (void* p, std::size_t) noexcept
{
    countedFree (p);
}
