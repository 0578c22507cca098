#pragma once

#include "core/SafeMath.h"

#include <cmath>
#include <complex>
#include <numbers>

// A triangle from 0 up to 1 and back, period samples long.
inline float triangle (int n, int period)
{
    const float phase = static_cast<float> (n % period) / static_cast<float> (period);
    return phase < 0.5f ? 2.0f * phase : 2.0f - 2.0f * phase;
}

// The complex gain at f of a process fed a unit sine, once it has settled:
// the output projected onto sine and cosine. The real part is negative when
// the process inverts.
template <typename Process>
std::complex<double> sineResponse (Process&& process, double f, double rate, int settle = 8192, int n = 48000)
{
    double inPhase = 0.0, quadrature = 0.0;
    for (int i = 0; i < settle + n; ++i)
    {
        const double phase = 2.0 * std::numbers::pi * f * i / rate;
        const double y = process (static_cast<float> (std::sin (phase)));
        if (i >= settle)
            inPhase += y * std::sin (phase), quadrature += y * std::cos (phase);
    }
    return 2.0 / n * std::complex<double> (inPhase, quadrature);
}
