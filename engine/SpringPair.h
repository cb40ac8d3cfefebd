#pragma once

#include "engine/Denormals.h"

// One damped stage: velocity := (velocity - drive) * d, position += velocity * k.
// A velocity that becomes tiny stops the stage with exact zeros.
// (The render call runs with flush-to-zero set, so the mode is not touched here.)
inline void dampedStage(float drive, float& position, float& velocity, float damping, float stiffness)
{
    const float u = velocity - drive;
    if (isTiny(u))
    {
        velocity = 0.0f;
        position = 0.0f;
    }
    else
    {
        velocity = u * damping;
        position += velocity * stiffness;
    }
}
