#pragma once

#include "engine/Denormals.h"
#include "engine/KeyVoice.h"

// The key's sympathetic body string: rings at the key's current main stiffness
// (so it follows tuning, bend and glide), damped by the body decay, panned by
// the body pans into the body sums.
inline void bodyString(KeyVoice& v, float& left, float& right)
{
    float u = v.bodyVelocity - v.bodyPosition;
    if (u != 0.0f)
    {
        u *= v.bodyDecay;
        if (isTiny(u))
        {
            v.bodyVelocity = 0.0f;
        }
        else
        {
            v.bodyVelocity = u;
            v.bodyPosition += u * v.mainStiffness;
        }
    }
    if (isTiny(v.bodyPosition))
    {
        v.bodyPosition = 0.0f;
    }
    else
    {
        left += v.bodyPosition * v.panBodyLeft;
        right += v.bodyPosition * v.panBodyRight;
    }
}
