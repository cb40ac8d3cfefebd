#include "engine/SpringB.h"
#include "common/DspConstants.h"

#include <cmath>

#include "engine/CrtRandom.h"
#include "engine/Curves.h"
#include "engine/Denormals.h"
#include "engine/KeyVoice.h"
#include "engine/NoiseFilter.h"
#include "engine/SpringPair.h"

namespace {

// Adds spring A's motion into spring B with the gain g (coupled mode).
void couple(KeyVoice& v, float g, float S, float a, float b)
{
    v.bPartialVelocity += g * v.aPartialVelocity * v.partialWeight;
    v.bMainVelocity += g * v.aMainVelocity * v.mainWeight;
    if (S > 0.5f)
    {
        // The curve is written for 0..1 and has a pole beyond it: a low key
        // scraped or re-struck hard swings past 1, which must saturate, not explode.
        if (a != 0.0f)
            v.bPartialPosition += signOf(a) * sCurve(clampf(std::fabs(a), 0.0f, 1.0f), S) * g;
        if (b != 0.0f)
            v.bMainPosition += signOf(b) * sCurve(clampf(std::fabs(b), 0.0f, 1.0f), S) * g;
    }
    else
    {
        v.bMainPosition += g * b;
        v.bPartialPosition += g * a;
    }
}

} // namespace

void springBTick(KeyVoice& v, float S, float a, float b, CrtRandom& random)
{
    float w = v.excitationLevel * v.bDecay;
    if (isTiny(w))
        w = 0.0f;
    v.excitationLevel = w;
    float n = v.diffusion;
    if (v.link)
        n *= w;

    if (!(v.diffusion < 1.0f))
    {
        noiseFilterStep(v, w, random);
        return;
    }

    // A gain that has shrunk to nothing couples nothing; the pair still rings.
    float g = v.bDrive * v.beatGuard;
    if (!isTiny(g))
    {
        g *= 1.0f - (a > 0.0f ? a : 0.0f);
        if (!isTiny(g))
        {
            if (n != 0.0f)
                g *= 1.0f - static_cast<float>(random.next()) * kRandScale * n;
            if (!isTiny(g))
                couple(v, g, S, a, b);
        }
    }
    springPairStep(v.bPartialPosition, v.bMainPosition, v.bPartialVelocity, v.bMainVelocity, v.bDecay,
                   v.bDetunedStiffness, v.bStiffness);
}

void springBOutput(KeyVoice& v)
{
    const float o = v.bMainPosition + v.bPartialPosition;
    v.bOutput = o;
    const float h = v.bActivity - v.bPrevious;
    v.bPrevious = h;
    v.bActivity = h + o;
}

float springBCrushAmount(float v) { return 0.49f * v + 0.5f; }

float crushSpringB(const KeyVoice& v, float crush)
{
    const float out = v.bOutput;
    if (!(crush > 0.5f) || v.hitPower != 1.0f)
        return out;
    float c = (crush - 0.5f) * v.excitationLevel + 0.5f;
    if (c == 0.5f)
        return out; // a straight curve: every sample maps onto itself
    const float steps = v.crushSteps;
    const float y = (out + 1.0f) * steps;
    const float f = std::floor(y);
    // The excitation left over from a bowed strike can exceed 1; past 1 the
    // curve would divide by zero.
    if (!(c < 0.9999f))
        c = 0.9999f;
    if (c < 0.5f)
        c = 0.5f;
    const float q = sCurve(y - f, c);
    return (q + f - steps) * v.crushStepReciprocal;
}
