#pragma once

#include <xmmintrin.h>

// Sets flush-to-zero (MXCSR bit 15) and denormals-are-zero (bit 6) for the
// object's lifetime, as the plug-in's process block does, or clears both;
// the register is restored afterwards.
class DenormalMode
{
public:
    explicit DenormalMode (bool flush = true) noexcept
    {
        _mm_setcsr (flush ? saved | flushDenormalBits : saved & ~flushDenormalBits);
    }
    ~DenormalMode() { _mm_setcsr (saved); }

    DenormalMode (const DenormalMode&) = delete;
    DenormalMode& operator= (const DenormalMode&) = delete;

private:
    static constexpr unsigned int flushDenormalBits = 0x8040;
    const unsigned int saved = _mm_getcsr();
};
