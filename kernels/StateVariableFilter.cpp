#include "kernels/FilterSections.h"

#include <algorithm>
#include <cmath>

namespace gatevox
{

namespace
{
constexpr float pi = 3.14159265f;
constexpr int silenceLimit = 1024;

// True when more than 1024 near-silent inputs came before this one, so 1025
// zeros after a tone pass untouched and the decay starts on the 1026th. The
// count then takes this input in, saturating just past the limit.
bool longSilence (StateVariableFilter& filter, float x) noexcept
{
    const bool silentBefore = filter.silence > silenceLimit;
    if (std::abs (x) < 1.0e-7f)
        filter.silence = std::min (filter.silence + 1, silenceLimit + 1);
    else
        filter.silence = 0;
    return silentBefore;
}

float modeValue (int mode, float low, float high, float band, float notch, float peak) noexcept
{
    switch (mode)
    {
    case svfMode::lowPass:
        return low;
    case svfMode::highPass:
        return high;
    case svfMode::bandPass:
        return band;
    case svfMode::notch:
        return notch;
    case svfMode::peak:
        return peak;
    default:
        return 0.0f;
    }
}
} // namespace

void svfSet (StateVariableFilter& filter, float fs, float fc, int mode, float q, float k) noexcept
{
    if (!filter.tuned || !sameBits (fc, filter.tunedFc) || !sameBits (fs, filter.tunedFs))
    {
        filter.f = 2.0f * std::sin (pi * fc / (2.0f * fs));
        filter.tunedFc = fc;
        filter.tunedFs = fs;
    }
    if (!filter.tuned || !sameBits (q, filter.q))
        filter.rootOfQ = std::pow (q, 0.25f);
    filter.tuned = true;

    filter.mode = mode;
    filter.q = q;
    filter.k = k;
    filter.qc = std::min (2.0f * (1.0f - filter.rootOfQ), 4.0f / (filter.f - 0.5f * filter.f));
}

namespace
{
// An absurd tuning or input would keep the states non-finite for good: the
// filter starts afresh and the sample is silent.
float restart (StateVariableFilter& filter) noexcept
{
    clearHistory (filter);
    return 0.0f;
}
} // namespace

float svfProcess (StateVariableFilter& filter, float x) noexcept
{
    if (std::isnan (x))
        return 0.0f;

    if (longSilence (filter, x))
    {
        filter.band *= 0.100000024f;
        filter.low *= 0.100000024f;
    }

    filter.low = filter.low + filter.f * filter.band;
    const float high = x - filter.low - filter.q * filter.band;
    filter.band = filter.f * high + filter.band;
    if (!std::isfinite (filter.low) || !std::isfinite (filter.band))
        return restart (filter);
    return modeValue (filter.mode, filter.low, high, filter.band, filter.low + high, filter.low - high);
}

// Two passes per sample, each averaged into the running sum, so the first
// pass weighs 0.25 and the second 0.5.
float svfProcessShaped (StateVariableFilter& filter, float x) noexcept
{
    if (std::isnan (x))
        return 0.0f;

    if (longSilence (filter, x))
        filter.band = 0.0f;

    float acc = 0.0f;
    for (int pass = 0; pass < 2; ++pass)
    {
        const float notch = x - filter.qc * filter.band;
        filter.low = filter.low + filter.f * filter.band;
        const float high = notch - filter.low;
        const float band = filter.band;
        filter.band = filter.f * high + band - filter.k * (band * band * band);
        acc = (acc + modeValue (filter.mode, filter.low, high, filter.band, notch, filter.low - high)) * 0.5f;
    }
    if (!std::isfinite (filter.low) || !std::isfinite (filter.band))
        return restart (filter);
    return acc;
}

void clearHistory (StateVariableFilter& filter) noexcept
{
    filter.low = 0.0f;
    filter.band = 0.0f;
    filter.silence = 0;
}

} // namespace gatevox
