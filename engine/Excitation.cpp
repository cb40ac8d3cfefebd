#include "engine/Excitation.h"
#include "common/DspConstants.h"

#include <cmath>

#include "engine/CrtRandom.h"
#include "engine/Curves.h"
#include "engine/KeyVoice.h"

namespace {

void softStrike(KeyVoice& v)
{
    const float p = v.hitPower;
    const float f = v.force;
    if (v.hitStep > 0.0f)
    { // first sample after a note start
        v.strikeForceSnapshot = f;
        v.bowPosition = 1.0f;
        v.hitStep = 0.0f;
        v.bowVelocity = 0.0f;
        v.lfoPosition = 0.0f;
        v.lfoVelocity = 1.0f;
    }
    v.excitationLevel = 1.0f;
    v.bowVelocity -= v.bowPosition;
    v.excitationProgress += p * p;
    v.bowPosition += v.bowVelocity * v.mainStiffness;

    // Push only on the bow's positive half-cycles, never beyond the force.
    const float push = v.bowPosition * v.excitationProgress * f * p;
    if (push > 0.0f)
    {
        const float t = push + v.aMainVelocity;
        if (std::fabs(t) < f)
        {
            v.aMainVelocity = t;
            const float t2 = push + v.aPartialVelocity;
            if (std::fabs(t2) < f)
                v.aPartialVelocity = t2;
        }
    }
    v.excitationLevel = v.excitationProgress;
    if (v.envLevel < f)
        v.envLevel = (f - v.envLevel) * v.excitationProgress + v.envLevel;
}

void hit(KeyVoice& v)
{
    const float f = v.force;
    if (v.excitationProgress == 0.0f)
        v.strikeForceSnapshot = f;
    v.excitationProgress += v.hitStep;
    v.excitationLevel = 1.0f;
    v.lfoPosition *= 0.5f;
    v.envLevel = clampf((f - v.envLevel) * v.excitationProgress + v.envLevel, 0.0f, 1.0f);
    v.lfoVelocity += (1.0f - v.lfoVelocity) * 0.25f;
    v.aPartialVelocity = ((v.aPartialVelocity + f) - v.aPartialVelocity) * 0.25f + v.aPartialVelocity;
    v.aMainVelocity = ((v.aMainVelocity + f) - v.aMainVelocity) * 0.25f + v.aMainVelocity;
}

// Noise scraped into both springs while the wheel moves: positions up, velocities down.
void scrape(KeyVoice& v, float m, CrtRandom& random)
{
    constexpr float q = kRandScale;
    float g = std::pow(v.mainTargetReciprocal, 0.25f) * m * std::fabs(m);
    auto draw = [&random] { return static_cast<float>(random.next()); };
    v.aMainPosition += draw() * g * q;
    v.aMainVelocity -= draw() * 2.0f * g * q;
    v.aPartialPosition += draw() * 0.5f * g * q;
    v.aPartialVelocity -= draw() * g * q;
    g *= v.bDrive;
    v.bMainPosition += draw() * g * q;
    v.bMainVelocity -= draw() * 2.0f * g * q;
    v.bPartialPosition += draw() * 0.5f * g * q;
    v.bPartialVelocity -= draw() * g * q;
}

} // namespace

void excitationStep(KeyVoice& v, float modWheelMotion, CrtRandom& random)
{
    if (v.excitationProgress >= v.force)
    {
        v.force = 0.0f; // the strike is over
        v.excitationProgress = 0.0f;
    }
    else if (v.hitPower < 1.0f)
    {
        softStrike(v);
    }
    else
    {
        hit(v);
    }
    if (modWheelMotion != 0.0f)
        scrape(v, modWheelMotion, random);
}
