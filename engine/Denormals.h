#pragma once

#include <cstdint>
#include <cstring>
#include <xmmintrin.h>

// Values whose exponent (and top mantissa bits) are all zero count as silence:
// the engine stores an exact 0 instead so decaying states never go denormal.
inline bool isTiny(float x)
{
    uint32_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return (bits & 0x7FF00000u) == 0;
}

inline float floatFromBits(uint32_t bits)
{
    float x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

// Switches the calling thread's SSE unit to flush denormal results to zero.
inline void enableFlushToZero() { _mm_setcsr(_mm_getcsr() | 0x8000u); }

// Flush-to-zero for the length of one engine call; the caller's mode comes back.
class ScopedFlushToZero
{
public:
    ScopedFlushToZero() : saved_(_mm_getcsr()) { _mm_setcsr(saved_ | 0x8000u); }
    ~ScopedFlushToZero() { _mm_setcsr(saved_); }
    ScopedFlushToZero(const ScopedFlushToZero&) = delete;
    ScopedFlushToZero& operator=(const ScopedFlushToZero&) = delete;

private:
    unsigned int saved_;
};
