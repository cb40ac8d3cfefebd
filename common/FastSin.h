#pragma once
// The polynomial sine shared by the phaser's sweep, the lit control renderers
// and the panel texture. A few times cheaper than std::sin and accurate to
// about 3e-4; its exact values are part of the sound and of the pictures.
#include <cmath>
#include <cstdint>

inline double fastSin(double x)
{
    // Fold onto [-pi/2, pi/2] around the nearest multiple of pi (ties to even),
    // then a fifth-order odd polynomial; odd multiples flip the sign.
    const double q = x * 0.3183098861837907;
    // Adding and taking away 1.5 * 2^52 rounds to the nearest integer, ties to
    // even, exactly as nearbyint does, without a library call; beyond 2^51
    // every double is an integer already.
    constexpr double kRound = 6755399441055744.0;
    const double k = std::fabs(q) < 2251799813685248.0 ? (q + kRound) - kRound : q;
    const double r = x - k * 3.141592653589793;
    const double r2 = r * r;
    const double s = r * ((0.0073524681968701175 * r2 - 0.1652891139701474) * r2 + 0.9996919862959676);
    // Odd multiples flip the sign, without a branch (the parity is random
    // in the panel's noise); beyond 2^53 every double is even.
    if (std::fabs(k) >= 9007199254740992.0)
        return s;
    return s * static_cast<double>(1 - 2 * (static_cast<int64_t>(k) & 1));
}
