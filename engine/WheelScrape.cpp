// Noise scraped into both springs of a started key while the wheel moves:
// positions up, velocities down, eight draws per key and sample.
#include <cmath>

#include "common/DspConstants.h"
#include "engine/CrtRandom.h"
#include "engine/KeyStep.h"

void scrapeKey(KeyBank& k, int n, float m, CrtRandom& random)
{
    constexpr float q = kRandScale;
    float g = k.scrapeGain[n] * m * std::fabs(m);
    auto draw = [&random] { return static_cast<float>(random.next()); };
    k.aMainPosition[n] += draw() * g * q;
    k.aMainVelocity[n] -= draw() * 2.0f * g * q;
    k.aPartialPosition[n] += draw() * 0.5f * g * q;
    k.aPartialVelocity[n] -= draw() * g * q;
    g *= k.bDrive[n];
    k.bMainPosition[n] += draw() * g * q;
    k.bMainVelocity[n] -= draw() * 2.0f * g * q;
    k.bPartialPosition[n] += draw() * 0.5f * g * q;
    k.bPartialVelocity[n] -= draw() * g * q;
}
