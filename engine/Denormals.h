#pragma once

#include <cstdint>
#include <cstring>

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
