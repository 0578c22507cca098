#pragma once

#include <atomic>

namespace gatevox
{

// A field that one thread writes while another may read it, without a guard:
// every access is one whole relaxed load or store, so a reader sees either the
// old or the new value, never a torn one, and no access is a data race.
template <typename T> class RelaxedAtomic
{
public:
    constexpr RelaxedAtomic() noexcept = default;
    constexpr RelaxedAtomic (T v) noexcept : value (v) {}
    RelaxedAtomic (const RelaxedAtomic& other) noexcept : value (other.get()) {}

    RelaxedAtomic& operator= (T v) noexcept
    {
        value.store (v, std::memory_order_relaxed);
        return *this;
    }

    RelaxedAtomic& operator= (const RelaxedAtomic& other) noexcept { return *this = other.get(); }

    [[nodiscard]] T get() const noexcept { return value.load (std::memory_order_relaxed); }
    operator T() const noexcept { return get(); }

private:
    std::atomic<T> value{};
};

} // namespace gatevox
