#pragma once

#include <cmath>

#include "engine/Curves.h"

// "Volume" V = 2v: up to V = 1 a plain gain; above it the signal is driven into
// a limiter that becomes a hard square at V = 2.
inline float masterVolume(float x, float volume)
{
    if (volume <= 1.0f)
        return x * volume;
    if (x == 0.0f)
        return 0.0f; // silence stays silence (the curve is 0/0 there at V = 2)
    const float y = clampf(volume * x, -1.0f, 1.0f);
    return signOf(x) * bend(std::fabs(y), 1.0f / (volume * 0.5f) - 2.0f);
}

// Last stage of every sample: -1..+1, and never NaN.
inline float hardClip(float x)
{
    if (x > 1.0f)
        return 1.0f;
    if (x < -1.0f)
        return -1.0f;
    if (x != x)
        return 0.0f;
    return x;
}
