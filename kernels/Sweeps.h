#pragma once

namespace gatevox
{

// The LFO sweeps of the filter kernels. The two downward forms give the same
// ends (Fc at lfo 0, Fc x Fmin at lfo 1) but round differently in between, so
// each kernel keeps the form it was built with.

// Fc - (1 - Fmin) x Fc x lfo
[[nodiscard]] inline float sweepDown (float fc, float fmin, float lfo) noexcept
{
    return fc - (1.0f - fmin) * fc * lfo;
}

// Fc - (Fc - Fmin x Fc) x lfo
[[nodiscard]] inline float sweepDownBySpan (float fc, float fmin, float lfo) noexcept
{
    return fc - (fc - fmin * fc) * lfo;
}

// (top - base) x lfo + base
[[nodiscard]] inline float sweepAbove (float base, float top, float lfo) noexcept
{
    return (top - base) * lfo + base;
}

} // namespace gatevox
