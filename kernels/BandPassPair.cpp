#include "kernels/FilterSections.h"

#include <algorithm>
#include <cmath>

namespace gatevox
{

void peakRegisterPush (PeakRegister& r, float magnitude) noexcept
{
    if (magnitude > r.peak)
    {
        r.history.fill (r.newest);
        r.peak = r.newest;
        r.newest = magnitude;
    }
}

float bandPassPair (BandPassPair& pair, float x, float fc, float bandwidth, float q, float mix, float fs) noexcept
{
    if (std::isnan (x))
        return 0.0f;

    if (changedBeyondThreshold (pair.fc, fc) || changedBeyondThreshold (pair.bandwidth, bandwidth) ||
        changedBeyondThreshold (pair.q, q))
    {
        pair.fc = fc;
        pair.bandwidth = bandwidth;
        pair.q = q;
        pair.half = fs * 0.5f;

        // The edges sit geometrically around fc, bandwidth apart; a lower edge
        // that is not a number also lands on the 10 Hz floor.
        const float lower = std::sqrt (0.25f * bandwidth * bandwidth + fc * fc) - 0.5f * bandwidth;
        pair.lower = lower >= 10.0f ? lower : 10.0f;
        pair.upper = std::min (pair.lower + bandwidth, pair.half - q);
        pair.lowPassCoefficients = designLowPass (pair.lower, q, fs);
        pair.highPassCoefficients = designHighPass (pair.upper, q, fs);
    }

    const float a = biquadProcess (pair.lowPass, x, pair.lowPassCoefficients, 0);
    const float y = biquadProcess (pair.highPass, a, pair.highPassCoefficients, 0);
    pair.output = y;

    peakRegisterPush (pair.peak, std::max (std::abs (y), 1.0f));
    const float peak = pair.peak.peak < 1.0e-7f ? 1.0f : pair.peak.peak;
    return std::clamp ((1.0f - mix) * x + (y / peak) * mix, -1.0f, 1.0f);
}

} // namespace gatevox
