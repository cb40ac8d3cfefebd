#pragma once
// The polynomial sine shared by the phaser's sweep, the lit control renderers
// and the panel texture. A few times cheaper than std::sin and accurate to
// about 3e-4; its exact values are part of the sound and of the pictures.
#include <cmath>
#include <cstdint>
#include <cstring>

inline double fastSin(double x)
{
    // Fold onto [-pi/2, pi/2] around the nearest multiple of pi (ties to even),
    // then a fifth-order odd polynomial; odd multiples flip the sign.
    const double t = x * 0.3183098861837907;
    if (!(std::fabs(t) < 2251799813685248.0)) // 2^51 and beyond, and NaN: the library folds
    {
        const double k = std::nearbyint(t);
        const double r = x - k * 3.141592653589793;
        const double r2 = r * r;
        const double s = r * ((0.0073524681968701175 * r2 - 0.1652891139701474) * r2 + 0.9996919862959676);
        return std::fmod(k, 2.0) == 0.0 ? s : -s;
    }
    // Adding and taking away 1.5 * 2^52 rounds to the nearest whole number,
    // ties to even, as nearbyint does (the sign of a zero kept), without a
    // call; the last bit of the rounded sum is the parity, which flips the
    // sign without a branch (it is random in the panel's noise).
    constexpr double kRound = 6755399441055744.0;
    const double rounded = t + kRound;
    const double k = std::copysign(rounded - kRound, t);
    const double r = x - k * 3.141592653589793;
    const double r2 = r * r;
    const double s = r * ((0.0073524681968701175 * r2 - 0.1652891139701474) * r2 + 0.9996919862959676);
    uint64_t bits, parity;
    std::memcpy(&bits, &s, sizeof bits);
    std::memcpy(&parity, &rounded, sizeof parity);
    bits ^= parity << 63;
    double out;
    std::memcpy(&out, &bits, sizeof out);
    return out;
}
