#pragma once

#include <cmath>

#include "common/FastSin.h"

// Shaping curves shared by saturation, stereo placement, crushing and the
// volume limiter. The phaser's polynomial sine is shared with the editor.

// bend(0) = 0, bend(1) = 1; c = 0 is the identity, -1 < c < 0 bows up, c > 0 bows down.
inline float bend(float x, float c) { return x / ((1.0f - x) * c + 1.0f); }

// Two-sided S-curve on 0..1 with explicit bend constants for the lower and upper half.
inline float sCurve(float x, float cLow, float cHigh)
{
    if (x < 0.5f)
        return bend(2.0f * x, cLow) * 0.5f;
    return (bend(2.0f * x - 1.0f, cHigh) + 1.0f) * 0.5f;
}

// S-curve for 0 < s < 1: identity at 0.5, drawing values toward 0.5 as s nears 1.
inline float sCurve(float x, float s) { return sCurve(x, 1.0f / s - 2.0f, 1.0f / (1.0f - s) - 2.0f); }

inline float signOf(float x) { return x > 0.0f ? 1.0f : (x < 0.0f ? -1.0f : 0.0f); }

inline float clampf(float x, float lo, float hi) { return x < lo ? lo : (x > hi ? hi : x); }
