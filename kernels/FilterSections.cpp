#include "kernels/FilterSections.h"

#include <algorithm>
#include <cmath>

namespace gatevox
{

namespace
{
constexpr float twoPi = 6.2831855f;
} // namespace

float biquadProcess (BiquadSection& section, float x, const BiquadCoefficients& c, int ownerKey) noexcept
{
    if (ownerKey != section.ownerKey)
    {
        clearHistory (section);
        section.ownerKey = ownerKey;
    }

    const float y = c.b0 * x + c.b1 * section.x1 + c.b2 * section.x2 - c.a1 * section.y1 - c.a2 * section.y2;
    if (!std::isfinite (y))
    {
        // An absurd design or input would keep the history non-finite for
        // good: the section starts afresh and this sample is silent.
        clearHistory (section);
        return 0.0f;
    }

    section.x2 = section.x1;
    section.x1 = x;
    section.y2 = section.y1;
    section.y1 = y;
    return y;
}

void clearHistory (BiquadSection& section) noexcept
{
    section.x1 = section.x2 = section.y1 = section.y2 = 0.0f;
}

namespace
{
// The angle 2 pi fc / fs of a low- or high-pass design. A negative fc designs
// as its mirror; with |sin w| in the designs, so does one between half the
// rate and the rate, instead of putting the poles outside. Below the smallest
// angle 1 - cos w is lost to rounding and the poles sit on z = 1, so the
// section holds or ramps its history instead of filtering; the design stays
// at that angle (7 Hz at 44.1 kHz, 15 Hz at 96 kHz). A value that is not a
// number stays one.
[[nodiscard]] float designAngle (float fc, float fs) noexcept
{
    constexpr float smallestAngle = 0.001f;
    return std::max (std::abs (twoPi * fc / fs), smallestAngle);
}
} // namespace

// The usual second-order designs, numerator and denominator scaled by 2Q.
BiquadCoefficients designLowPass (float fc, float q, float fs) noexcept
{
    const float w = designAngle (fc, fs);
    const float c = std::cos (w);
    const float s = std::abs (std::sin (w));
    const float d = 2.0f * q + s;

    BiquadCoefficients k;
    k.a0 = 1.0f;
    k.a1 = -4.0f * q * c / d;
    k.a2 = (2.0f * q - s) / d;
    k.b0 = q * (1.0f - c) / d;
    k.b1 = 2.0f * q * (1.0f - c) / d;
    k.b2 = k.b0;
    return k;
}

const BiquadCoefficients& designLowPassOnChange (LowPassDesign& design, float fc, float q, float fs) noexcept
{
    if (!design.designed || !sameBits (fc, design.fc) || !sameBits (q, design.q) || !sameBits (fs, design.fs))
    {
        design.k = designLowPass (fc, q, fs);
        design.designed = true;
        design.fc = fc;
        design.q = q;
        design.fs = fs;
    }
    return design.k;
}

BiquadCoefficients designHighPass (float fc, float q, float fs) noexcept
{
    const float w = designAngle (fc, fs);
    const float c = std::cos (w);
    const float s = std::abs (std::sin (w));
    const float d = 2.0f * q + s;

    BiquadCoefficients k;
    k.a0 = 1.0f;
    k.a1 = -4.0f * q * c / d;
    k.a2 = (2.0f * q - s) / d;
    k.b0 = q * (1.0f + c) / d;
    k.b1 = -2.0f * q * (1.0f + c) / d;
    k.b2 = k.b0;
    return k;
}

// The prewarp constant is 3.1412 rather than pi: the centre sits a hair
// above fc, as it always has.
BiquadCoefficients designPeak (float fc, float g, float q, float fs) noexcept
{
    const float K = std::tan (fc * 3.1412f / fs);
    const float R = fs / q;
    const float K2 = K * K;
    const float D = R * K2 + K + R;

    BiquadCoefficients k;
    k.a0 = 1.0f;
    k.b0 = 1.0f + (g * K - K) / D;
    k.b1 = 2.0f * R * (K2 - 1.0f) / D;
    k.b2 = 1.0f - (K + g * K) / D;
    k.a1 = k.b1;
    k.a2 = 1.0f - 2.0f * K / D;
    return k;
}

float gentleLowPass (GentleLowPass& filter, float x, int ownerKey) noexcept
{
    if (ownerKey != filter.ownerKey)
    {
        filter.y1 = filter.x1 = 0.0f;
        filter.ownerKey = ownerKey;
    }

    filter.b0 = 0.91884f;
    filter.b1 = 0.91884f;
    filter.a1 = 0.83768f;
    const float y = filter.b0 * x + filter.b1 * filter.x1 - filter.a1 * filter.y1;
    filter.x1 = x;
    filter.y1 = y;
    return y;
}

void resonatorTune (TwoPoleResonator& resonator, float frequency, float r, float fs) noexcept
{
    resonator.r = r;
    resonator.frequency = frequency;
    resonator.c = std::cos (twoPi * frequency / fs);
}

void resonatorFollow (TwoPoleResonator& resonator, float frequency, float r, float fs) noexcept
{
    if (changedBeyondThreshold (resonator.frequency, frequency) || changedBeyondThreshold (resonator.r, r))
        resonatorTune (resonator, frequency, r, fs);
}

float resonatorProcess (TwoPoleResonator& resonator, float x) noexcept
{
    const float r = resonator.r;
    const float c = resonator.c;
    const float y = x - r * c * resonator.x1 + 2.0f * r * c * resonator.y1 - r * r * resonator.y2;
    if (!std::isfinite (y))
    {
        resonator.x1 = resonator.y1 = resonator.y2 = 0.0f;
        return 0.0f;
    }

    resonator.y2 = resonator.y1;
    resonator.y1 = y;
    resonator.x1 = x;
    return 0.7f * y;
}

} // namespace gatevox
