#pragma once

#include <complex>
#include <vector>

namespace gatevox
{

// Forward discrete Fourier transform of a power-of-two number of real samples,
// computed as a half-length complex transform and a split step. All tables and
// the work buffer are sized at construction; forward () allocates nothing.
class RealFft
{
public:
    // size: a power of two, 4 or more.
    explicit RealFft (int size);

    [[nodiscard]] int size() const noexcept { return n; }

    // input: size samples. output: size floats, the real parts of bins
    // 0 ... size / 2 - 1 followed by their imaginary parts.
    void forward (const float* input, float* output) noexcept;

private:
    int n;
    int half;
    std::vector<int> reversed;
    std::vector<std::complex<float>> halfTwiddles;
    std::vector<std::complex<float>> splitTwiddles;
    std::vector<std::complex<float>> work;
};

} // namespace gatevox
