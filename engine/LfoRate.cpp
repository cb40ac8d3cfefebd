#include "engine/LfoRate.h"

#include <cmath>

#include "common/DspConstants.h"
#include "engine/EngineState.h"

void computeLfoStiffness(EngineState& s)
{
    ModulationState& m = s.mod;
    if (m.lfoSync == 0)
    {
        const float f = std::pow(2.0f, (68.0f * m.lfoRate - 124.0f) / 12.0f) * s.tuning.concertA;
        m.lfoStiffness = f * f * kFourPiSquaredF * s.clock.periodSquared;
    }
    else
    {
        const int n = static_cast<int>(16.0f * m.lfoRate); // 0..16
        if (n % 2 == 0)
            m.lfoStiffness = std::pow(2.0f, static_cast<float>(8 * n - 124) / 12.0f) * s.clock.beatsPerSample;
        else
            m.lfoStiffness =
                3.0f * std::pow(2.0f, static_cast<float>(8 * (n - 1) - 124) / 12.0f) * s.clock.beatsPerSample;
    }
}
