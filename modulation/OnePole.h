#pragma once

#include <atomic>

namespace gatevox
{

// The one-pole step of the LFO: out = v * y - x * z, then z := out.
inline constexpr double onePoleX = 0.001;
inline constexpr double onePoleY = 0.999;

// A one-pole record owned by one thread at a time.
struct OnePole
{
    double z = 0.0;

    double step (double v) noexcept
    {
        z = v * onePoleY - onePoleX * z;
        return z;
    }
};

// The one-pole record that every base-wave generator of every slot shares.
// Generators of different slots may run on different threads at once; they
// then disturb each other's smoothing, which the design accepts, but every
// access to z is a whole atomic load or store.
class SharedOnePole
{
public:
    void clear() noexcept { z.store (0.0, std::memory_order_relaxed); }

    double step (double v) noexcept
    {
        const double out = v * onePoleY - onePoleX * z.load (std::memory_order_relaxed);
        z.store (out, std::memory_order_relaxed);
        return out;
    }

    [[nodiscard]] double state() const noexcept { return z.load (std::memory_order_relaxed); }

private:
    std::atomic<double> z{0.0};
};

} // namespace gatevox
