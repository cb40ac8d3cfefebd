#pragma once

#include <cmath>

#include "common/DspConstants.h"
#include "engine/Denormals.h"
#include "engine/EngineState.h"
#include "engine/KeyVoice.h"

// How a key's tuning moves while it sounds: a held key follows the pitch bend,
// a released one glides back to its target.

// One relaxing step toward a target. Once the step is too small to change
// the value (below half a unit in the last place, some cents short of the
// target at slow settings) the value moves by one unit in the last place
// instead: a released key creeps the rest of the way and ends exactly on its
// target, without a jump in pitch.
inline float relaxToward(float value, float target, float rate)
{
    const float next = value + (target - value) * rate;
    return next != value ? next : std::nextafter(value, target);
}

// A released key glides back to its target tuning.
inline void relaxPitch(KeyVoice& v, float rate)
{
    if (v.mainStiffness == v.mainTargetStiffness && v.partialStiffness == v.partialTargetStiffness &&
        v.bStiffness == v.bTargetStiffness)
        return;
    const float d = (v.mainTargetStiffness - v.mainStiffness) * rate;
    if (isTiny(d))
    {
        v.mainStiffness = v.mainTargetStiffness;
        v.partialStiffness = v.partialTargetStiffness;
        v.bStiffness = v.bTargetStiffness;
    }
    else
    {
        v.mainStiffness = relaxToward(v.mainStiffness, v.mainTargetStiffness, rate);
        v.partialStiffness = relaxToward(v.partialStiffness, v.partialTargetStiffness, rate);
        v.bStiffness = relaxToward(v.bStiffness, v.bTargetStiffness, rate);
    }
}

// A held key follows the bend, scaled per key.
inline void applyBend(KeyVoice& v, int key, float bend, const TuningState& t)
{
    const float amount = bend - 1.0f;
    const float f = amount * (amount > 0.0f ? v.bendScaleUp : v.bendScaleDown) + 1.0f;
    v.mainStiffness = f * v.mainTargetStiffness;
    if (v.mainStiffness > kStableStiffness)
        v.mainStiffness = kStableStiffness; // a wide bend up stays below the stability ceiling
    v.partialStiffness = f * v.partialTargetStiffness;
    v.bStiffness = f * v.bTargetStiffness;
    if (key > 72)
    {
        if (v.partialStiffness > kStableStiffness)
            v.partialStiffness *= 0.5f;
        if (v.bStiffness > kStableStiffness)
            v.bStiffness *= 0.5f;
    }
    // A wide bend must not push any spring past where it can still ring
    // (it would grow without bound): such a spring drops by an octave.
    for (int i = 0; i < 4 && v.partialStiffness > kRingingLimit; ++i)
        v.partialStiffness *= 0.5f;
    for (int i = 0; i < 4 && v.bStiffness > kRingingLimit; ++i)
        v.bStiffness *= 0.5f;
    v.bDetunedStiffness = v.bStiffness * t.bDetuneRatio;
    if (v.bStiffness < kOctaveSwitchLimit && t.bOctave == 1.0f)
        v.bDetunedStiffness *= 4.0f;
}
