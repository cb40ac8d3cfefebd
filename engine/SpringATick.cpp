#include "engine/SpringATick.h"
#include "common/DspConstants.h"

#include <cmath>

#include "engine/CrtRandom.h"
#include "engine/Curves.h"
#include "engine/Denormals.h"
#include "engine/KeyVoice.h"
#include "engine/SpringB.h"
#include "engine/SpringPair.h"

void springAKeyTick(KeyVoice& v, const KeyTickInputs& in, CrtRandom& random)
{
    float balance = v.balanceBase;
    float k = v.mainStiffness;

    // LFO
    v.lfoVelocity -= v.lfoPosition;
    v.lfoPosition += v.lfoVelocity * in.lfoStiffness;
    if ((in.lfoBalance > 0.0f || in.lfoPitch > 0.0f) && in.lfoStiffness > 0.0f)
    {
        const float l = v.lfoPosition / std::pow(in.lfoStiffness, 0.5f); // amplitude about 1
        if (l != 0.0f)
        {
            if (in.lfoBalance != 0.0f)
                balance = clampf(l * in.lfoBalance * 0.5f + balance, 0.0f, 1.0f);
            if (in.lfoPitch != 0.0f)
            {
                float factor = static_cast<float>(static_cast<double>(l * in.lfoPitch + 1.0f) - 0.5 * in.lfoPitch);
                if (factor < 0.1f)
                    factor = 0.1f;
                k *= factor;
            }
        }
    }

    // ENV
    if (v.envLevel > 0.0f && (in.envBalance > 0.0f || in.envPitch > 0.0f))
    {
        if (in.envBalance != 0.0f)
            balance = clampf(v.envLevel * in.envBalance + balance, 0.0f, 1.0f);
        if (in.envPitch != 0.0f)
        {
            k *= v.envLevel * in.envPitch + 1.0f;
            if (k > kStableStiffness)
                k = kStableStiffness;
        }
        v.envLevel *= v.envDecay;
        if (isTiny(v.envLevel))
            v.envLevel = 0.0f;
    }

    v.partialWeight = balance;
    v.mainWeight = 1.0f - balance;
    springPairStep(v.aPartialPosition, v.aMainPosition, v.aPartialVelocity, v.aMainVelocity, v.decay, k,
                   v.partialStiffness);
    const float a = v.aPartialPosition * v.partialWeight;
    const float b = v.aMainPosition * v.mainWeight;

    // Spring B, driven by a, b and spring A's velocities (coupled or NOISE mode).
    springBTick(v, in.saturation, a, b, random);

    // Output stage: above S = 0.5 spring A is saturated and never exceeds +-0.5.
    float o = a + b;
    const float s = in.saturation;
    if (s > 0.5f)
    {
        const float c = clampf(2.0f * o, -1.0f, 1.0f);
        o = signOf(o) * 0.5f * sCurve(std::fabs(c), s);
    }
    v.aOutput = o;
    const float h = v.aActivity - v.aPrevious;
    v.aPrevious = h;
    v.aActivity = h + o;

    springBOutput(v);
}
