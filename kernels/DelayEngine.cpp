#include "kernels/DelayEngine.h"

#include "core/SafeMath.h"
#include "kernels/FilterSections.h"

#include <algorithm>
#include <cmath>

namespace gatevox
{

namespace
{
// Times and widths beyond this act as this (and a non-number as 0), which
// keeps every derived length and delay finite.
constexpr float targetLimit = 1.0e6f;

float boundedTarget (float v) noexcept
{
    if (!(v == v))
        return 0.0f;
    return std::clamp (v, -targetLimit, targetLimit);
}

void derive (DelayEngine& e, float fs) noexcept
{
    e.d = fs * e.r;
    e.w = e.d * e.s;
    e.length = 2.0f * e.d * e.w + e.w + 2.0f;
}

// 5 % per sample towards the targets. Rounding can stop the approach short of
// the change threshold (0.95 r + 0.05 t == r); the glide then ends on the
// targets instead of running forever.
void glide (DelayEngine& e, float r, float s) noexcept
{
    const float nextR = 0.95f * e.r + 0.05f * r;
    const float nextS = 0.95f * e.s + 0.05f * s;
    const bool stuck = nextR == e.r && nextS == e.s;
    e.r = stuck ? r : nextR;
    e.s = stuck ? s : nextS;
}
} // namespace

DelayOutput engineProcess (DelayEngine& e, DelayLine& left, DelayLine& right, float xLeft, float xRight, float r,
                           float s, float lfo, float feedback, float fs, int ownerKey, bool slapback) noexcept
{
    r = boundedTarget (r);
    s = boundedTarget (s);

    if (changedBeyondThreshold (e.r, r) || changedBeyondThreshold (e.s, s) || changedBeyondThreshold (e.rate, fs))
    {
        glide (e, r, s);
        e.rate = fs;
        e.pending = true;
    }
    else if (e.pending)
    {
        e.pending = false;
        derive (e, fs);
    }

    if (ownerKey != e.ownerKey)
    {
        e.rate = fs;
        e.s = s;
        e.r = r;
        derive (e, fs);
        e.pending = false;
        e.ownerKey = ownerKey;
    }

    const float delay = e.d - e.w * lfo;

    if (ownerKey != e.linesKey || changedBeyondThreshold (e.linesLength, e.length))
    {
        const int n = truncToInt (std::ceil (e.length));
        lineResize (left, n);
        lineResize (right, n);
        e.linesKey = ownerKey;
        e.linesLength = e.length;
    }

    return {lineProcess (left, xLeft, delay, feedback, slapback),
            lineProcess (right, xRight, delay, feedback, slapback)};
}

} // namespace gatevox
