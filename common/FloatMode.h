#pragma once
// The processor's floating-point mode for audio work: denormal results flush
// to zero (FTZ) and denormal inputs read as zero (DAZ), so decaying states
// never fall into the slow denormal range.
#include <xmmintrin.h>

constexpr unsigned kMxcsrFlushToZero = 0x8000; // bit 15
constexpr unsigned kMxcsrDenormalsAreZero = 0x0040; // bit 6

// Switches the calling thread for good (the constructing thread).
inline void flushDenormalsOnThisThread() { _mm_setcsr(_mm_getcsr() | kMxcsrFlushToZero | kMxcsrDenormalsAreZero); }

// For the length of one render call on a thread that is not ours; the
// caller's mode comes back afterwards.
class ScopedFlushDenormals
{
public:
    ScopedFlushDenormals() : saved_(_mm_getcsr()) { _mm_setcsr(saved_ | kMxcsrFlushToZero | kMxcsrDenormalsAreZero); }
    ~ScopedFlushDenormals() { _mm_setcsr(saved_); }
    ScopedFlushDenormals(const ScopedFlushDenormals&) = delete;
    ScopedFlushDenormals& operator=(const ScopedFlushDenormals&) = delete;

private:
    unsigned saved_;
};
