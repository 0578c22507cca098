#pragma once

#include <cmath>
#include <vector>

namespace gatevox
{

// sin (i x 2 pi / 2,400,000) for i = 0 ... 2,399,999 in single precision, the
// table the kernels' oscillators read. It never changes once computed, so every
// instance in the process shares one copy.
class SineTable
{
public:
    static constexpr int size = 2'400'000;

    [[nodiscard]] static const SineTable& shared();

    // Entry i as the table holds it, computed: the same single-precision
    // expression, so the same bits.
    [[nodiscard]] static float valueAt (int i) noexcept
    {
        constexpr float twoPi = 6.2831855f;
        return std::sin (static_cast<float> (i) * twoPi / static_cast<float> (size));
    }

    [[nodiscard]] float operator[] (int i) const noexcept { return values[static_cast<std::size_t> (i)]; }
    [[nodiscard]] const float* data() const noexcept { return values.data(); }

private:
    SineTable();

    std::vector<float> values;
};

} // namespace gatevox
