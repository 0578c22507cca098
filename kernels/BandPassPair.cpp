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

namespace
{
// The sections start afresh and the register stands at the blow-up level, from
// where it recovers; the sample's section output is 0.
float restartAfterBlowUp (BandPassPair& pair) noexcept
{
    clearHistory (pair.lowPass);
    clearHistory (pair.highPass);
    pair.peak.newest = pair.peak.peak = BandPassPair::blowUpLevel;
    pair.peak.history.fill (BandPassPair::blowUpLevel);
    pair.recovering = true;
    return 0.0f;
}

// One sample of recovery: the register falls by the release; once it is back
// at 1 or below it is cleared and recovery ends.
void recover (BandPassPair& pair) noexcept
{
    pair.peak.newest *= BandPassPair::recoveryRelease;
    pair.peak.peak *= BandPassPair::recoveryRelease;
    if (pair.peak.peak <= 1.0f)
    {
        pair.peak = PeakRegister{};
        pair.recovering = false;
    }
}
} // namespace

namespace
{
bool needsDesign (const BandPassPair& pair, float fc, float bandwidth, float q) noexcept
{
    return changedBeyondThreshold (pair.fc, fc) || changedBeyondThreshold (pair.bandwidth, bandwidth) ||
           changedBeyondThreshold (pair.q, q);
}
} // namespace

void adoptDesign (BandPassPair& pair, const BandPassPair& designed, float fc, float bandwidth, float q,
                  float fs) noexcept
{
    // The design is a function of fc, bandwidth, q and half the rate alone.
    const bool sameValues = sameBits (designed.fc, fc) && sameBits (designed.bandwidth, bandwidth) &&
                            sameBits (designed.q, q) && sameBits (designed.half, fs * 0.5f);
    const bool finite = std::isfinite (fc) && std::isfinite (bandwidth) && std::isfinite (q) && std::isfinite (fs);
    if (!sameValues || !finite || fs < 1.0f || !needsDesign (pair, fc, bandwidth, q))
        return;

    pair.fc = designed.fc;
    pair.bandwidth = designed.bandwidth;
    pair.q = designed.q;
    pair.half = designed.half;
    pair.lower = designed.lower;
    pair.upper = designed.upper;
    pair.lowPassCoefficients = designed.lowPassCoefficients;
    pair.highPassCoefficients = designed.highPassCoefficients;
}

float bandPassPair (BandPassPair& pair, float x, float fc, float bandwidth, float q, float mix, float fs) noexcept
{
    if (std::isnan (x))
        return 0.0f;

    if (needsDesign (pair, fc, bandwidth, q))
    {
        pair.fc = fc;
        pair.bandwidth = bandwidth;
        pair.q = q;
        pair.half = fs * 0.5f;

        // The edges sit geometrically around fc, bandwidth apart. The lower
        // edge is held below half the rate like the upper one (a low-pass
        // above it would diverge); one that is not a number also lands on the
        // 10 Hz floor.
        const float lower =
            std::min (std::sqrt (0.25f * bandwidth * bandwidth + fc * fc) - 0.5f * bandwidth, pair.half - q);
        pair.lower = lower >= 10.0f ? lower : 10.0f;
        pair.upper = std::min (pair.lower + bandwidth, pair.half - q);
        pair.lowPassCoefficients = designLowPass (pair.lower, q, fs);
        pair.highPassCoefficients = designHighPass (pair.upper, q, fs);
    }

    const float a = biquadProcess (pair.lowPass, x, pair.lowPassCoefficients, 0);
    float y = biquadProcess (pair.highPass, a, pair.highPassCoefficients, 0);
    if (std::abs (y) > BandPassPair::blowUpLevel)
        y = restartAfterBlowUp (pair);
    pair.output = y;

    peakRegisterPush (pair.peak, std::max (std::abs (y), 1.0f));
    if (pair.recovering)
        recover (pair);
    const float peak = pair.peak.peak < 1.0e-7f ? 1.0f : pair.peak.peak;
    return std::clamp ((1.0f - mix) * x + (y / peak) * mix, -1.0f, 1.0f);
}

} // namespace gatevox
