// A released key's tuning glides back to its target.
#include <cmath>

#include "engine/Denormals.h"
#include "engine/KeyStep.h"

namespace {

// One relaxing step toward a target. Once the step is too small to change
// the value (below half a unit in the last place, some cents short of the
// target at slow settings) the value moves by one unit in the last place
// instead: a released key creeps the rest of the way and ends exactly on its
// target, without a jump in pitch.
float relaxToward(float value, float target, float rate)
{
    const float next = value + (target - value) * rate;
    return next != value ? next : std::nextafter(value, target);
}

} // namespace

void relaxKeyPitch(KeyBank& k, int n, float rate)
{
    if (k.mainStiffness[n] == k.mainTargetStiffness[n] && k.partialStiffness[n] == k.partialTargetStiffness[n] &&
        k.bStiffness[n] == k.bTargetStiffness[n])
        return;
    const float d = (k.mainTargetStiffness[n] - k.mainStiffness[n]) * rate;
    if (isTiny(d))
    {
        k.mainStiffness[n] = k.mainTargetStiffness[n];
        k.partialStiffness[n] = k.partialTargetStiffness[n];
        k.bStiffness[n] = k.bTargetStiffness[n];
    }
    else
    {
        k.mainStiffness[n] = relaxToward(k.mainStiffness[n], k.mainTargetStiffness[n], rate);
        k.partialStiffness[n] = relaxToward(k.partialStiffness[n], k.partialTargetStiffness[n], rate);
        k.bStiffness[n] = relaxToward(k.bStiffness[n], k.bTargetStiffness[n], rate);
    }
}
