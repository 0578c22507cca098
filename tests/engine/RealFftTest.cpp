#include "kernels/RealFft.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

using namespace gatevox;

namespace
{
// out[k] = sum x[j] e^(-2 pi i j k / n), real parts then imaginary parts.
std::vector<double> directDft (const std::vector<float>& x)
{
    const auto n = x.size();
    std::vector<double> out (n);
    for (std::size_t k = 0; k < n / 2; ++k)
    {
        double re = 0.0, im = 0.0;
        for (std::size_t j = 0; j < n; ++j)
        {
            const double angle = -2.0 * std::numbers::pi * static_cast<double> ((j * k) % n) / static_cast<double> (n);
            re += static_cast<double> (x[j]) * std::cos (angle);
            im += static_cast<double> (x[j]) * std::sin (angle);
        }
        out[k] = re;
        out[n / 2 + k] = im;
    }
    return out;
}
} // namespace

TEST (RealFft, MatchesADirectTransformAtEverySize)
{
    std::mt19937 random (7);
    std::uniform_real_distribution<float> noise (-1.0f, 1.0f);
    for (const int n : {4, 8, 64, 512, 4096})
    {
        RealFft fft (n);
        std::vector<float> x (static_cast<std::size_t> (n)), out (static_cast<std::size_t> (n));
        for (auto& v : x)
            v = noise (random);

        fft.forward (x.data(), out.data());
        const auto expected = directDft (x);
        // Single-precision butterflies: the error grows with log n and sqrt n.
        const double tolerance = 2.0e-6 * std::sqrt (static_cast<double> (n)) * std::log2 (static_cast<double> (n));
        for (std::size_t k = 0; k < out.size(); ++k)
            ASSERT_NEAR (out[k], expected[k], tolerance) << "n " << n << " index " << k;
    }
}
