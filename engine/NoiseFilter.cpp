#include "engine/NoiseFilter.h"
#include "common/DspConstants.h"

#include "engine/CrtRandom.h"
#include "engine/KeyVoice.h"

void noiseFilterStep(KeyVoice& v, float w, CrtRandom& random)
{
    if (w > 0.0f && v.bDrive > 0.0f)
    {
        const float amp = v.bDrive * (v.strikeForceSnapshot * 10.0f * w);
        if (amp > 0.0f)
        {
            const float e = (static_cast<float>(random.next()) * kRandScale - 0.5f) * amp;
            const float q = v.noiseResonance;
            const float k = v.noiseStiffness;
            v.bPartialVelocity = (v.bPartialVelocity - e) * q;
            v.bMainPosition += v.bPartialVelocity * k;
            v.bMainVelocity = (v.bMainVelocity - v.bMainPosition) * q;
            v.bMainPosition += v.bMainVelocity * k;
            v.bPartialPosition = v.bMainPosition;
        }
        return;
    }
    v.bPartialPosition = 0.0f;
    v.bMainPosition = 0.0f;
}
