#pragma once

#include "engine/Denormals.h"

// One sample of a damped oscillator pair, main oscillator first:
// velocity := (velocity - position) * d, position += velocity * k.
// A velocity that becomes tiny stops its oscillator with exact zeros.
// (The render call runs with flush-to-zero set, so the mode is not touched here.)
inline void springPairStep(float& partialPosition, float& mainPosition, float& partialVelocity, float& mainVelocity,
                           float damping, float mainStiffness, float partialStiffness)
{
    float u1 = mainVelocity - mainPosition;
    if (isTiny(u1)) {
        mainVelocity = 0.0f;
        mainPosition = 0.0f;
    } else {
        u1 *= damping;
        mainVelocity = u1;
        mainPosition += u1 * mainStiffness;
    }
    float u0 = partialVelocity - partialPosition;
    if (isTiny(u0)) {
        partialVelocity = 0.0f;
        partialPosition = 0.0f;
    } else {
        u0 *= damping;
        partialVelocity = u0;
        partialPosition += u0 * partialStiffness;
    }
}
