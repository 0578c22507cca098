#include "kernels/Resampler.h"

#include <algorithm>
#include <cmath>

namespace gatevox
{

namespace
{
bool changed (float stored, float value) noexcept
{
    return std::abs (value - stored) >= 0.0000001f;
}

// Rates above twice the sample rate would make the shorter period zero, and
// tiny or zero rates would overflow it: both are held to the period range.
float boundedPeriod (float b) noexcept
{
    if (!(b >= 1.0f))
        return 1.0f;
    return std::min (b, Resampler::longestPeriod);
}

void restart (Resampler& r, float fs, float rate) noexcept
{
    r.rate = rate;
    r.fs = fs;
    r.c1 = 0;
    r.c2 = 0;
    r.b = boundedPeriod (fs / (rate * 0.5f));
    const float whole = std::floor (r.b);
    r.n1 = static_cast<std::int32_t> (std::ceil (r.b));
    r.n2 = static_cast<std::int32_t> (whole);
    r.phi = r.b - whole;
}
} // namespace

ResampledFrame resampleProcess (Resampler& r, float inLeft, float inRight, float fs, float rate) noexcept
{
    float g1 = r.c1 == 0 ? 1.0f : 0.0f;
    if (!std::isnan (rate) && !std::isnan (fs) && (changed (r.rate, rate) || changed (r.fs, fs)))
    {
        restart (r, fs, rate);
        g1 = 1.0f;
    }
    const float g2 = r.c2 == 0 ? 1.0f : 0.0f;

    const float sL1 = biquadProcess (r.sections[0], inLeft * g1, resamplerSmoothing, 0);
    const float sL2 = biquadProcess (r.sections[1], inLeft * g2, resamplerSmoothing, 0);
    const float sR1 = biquadProcess (r.sections[2], inRight * g1, resamplerSmoothing, 0);
    const float sR2 = biquadProcess (r.sections[3], inRight * g2, resamplerSmoothing, 0);

    const ResampledFrame y{(1.0f - r.phi) * sL2 + r.phi * sL1, (1.0f - r.phi) * sR2 + r.phi * sR1};

    r.c1 = (r.c1 + 1) % r.n1;
    r.c2 = (r.c2 + 1) % r.n2;
    return y;
}

} // namespace gatevox
