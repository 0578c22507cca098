#include "kernels/RealFft.h"

#include <cmath>
#include <numbers>

namespace gatevox
{

namespace
{
std::complex<float> unitRoot (int k, int count)
{
    const double angle = -2.0 * std::numbers::pi * static_cast<double> (k) / static_cast<double> (count);
    return {static_cast<float> (std::cos (angle)), static_cast<float> (std::sin (angle))};
}
} // namespace

RealFft::RealFft (int size)
    : n (size), half (size / 2), reversed (static_cast<std::size_t> (half)),
      halfTwiddles (static_cast<std::size_t> (half / 2)), splitTwiddles (static_cast<std::size_t> (half)),
      work (static_cast<std::size_t> (half))
{
    int bits = 0;
    while ((1 << bits) < half)
        ++bits;

    for (int i = 0; i < half; ++i)
    {
        int r = 0;
        for (int b = 0; b < bits; ++b)
            r |= ((i >> b) & 1) << (bits - 1 - b);
        reversed[static_cast<std::size_t> (i)] = r;
    }

    for (int j = 0; j < half / 2; ++j)
        halfTwiddles[static_cast<std::size_t> (j)] = unitRoot (j, half);
    for (int k = 0; k < half; ++k)
        splitTwiddles[static_cast<std::size_t> (k)] = unitRoot (k, n);
}

void RealFft::forward (const float* in, float* out) noexcept
{
    // Even samples become the real parts, odd samples the imaginary parts of
    // a half-length complex sequence, loaded in bit-reversed order.
    for (int m = 0; m < half; ++m)
        work[static_cast<std::size_t> (reversed[static_cast<std::size_t> (m)])] = {in[2 * m], in[2 * m + 1]};

    for (int length = 2; length <= half; length <<= 1)
    {
        const int stride = half / length;
        const int span = length / 2;
        for (int start = 0; start < half; start += length)
        {
            for (int j = 0; j < span; ++j)
            {
                auto& a = work[static_cast<std::size_t> (start + j)];
                auto& b = work[static_cast<std::size_t> (start + j + span)];
                const auto t = b * halfTwiddles[static_cast<std::size_t> (j * stride)];
                b = a - t;
                a = a + t;
            }
        }
    }

    // Separate the spectra of the even and odd samples and combine them:
    // X[k] = E[k] + W^k O[k], with E and O drawn from Z[k] and conj (Z[M - k]).
    for (int k = 0; k < half; ++k)
    {
        const auto z = work[static_cast<std::size_t> (k)];
        const auto mirror = std::conj (work[static_cast<std::size_t> ((half - k) % half)]);
        const auto even = (z + mirror) * 0.5f;
        const auto difference = z - mirror;
        const std::complex<float> odd{difference.imag() * 0.5f, -difference.real() * 0.5f};
        const auto x = even + splitTwiddles[static_cast<std::size_t> (k)] * odd;
        out[k] = x.real();
        out[half + k] = x.imag();
    }
}

} // namespace gatevox
