#include "engine/StereoPlacement.h"

#include "engine/Curves.h"
#include "engine/EngineState.h"

void computeStereoPlacement(EngineState& s)
{
    OutputState& o = s.out;
    o.gainA = 0.7f - 0.4f * o.stereo;
    o.gainB = 1.0f - o.gainA;
    for (int i = 0; i <= 88; ++i)
    {
        KeyBank& k = s.keys;
        const int n = 20 + i;
        const float p = o.spread * static_cast<float>(i) * 0.01123595517128706f + (0.5f - 0.5f * o.spread);
        k.panARight[n] = p * o.gainA;
        k.panALeft[n] = (1.0f - p) * o.gainB;
        const float pb = sCurve(p, -0.6666666865348816f, 2.0f); // S = 0.75
        k.panBRight[n] = pb * o.gainB;
        k.panBLeft[n] = (1.0f - pb) * o.gainA;
        const float pBody = sCurve(p, -0.8235294222831726f, 4.666667938232422f); // S = 0.85
        k.panBodyRight[n] = pBody;
        k.panBodyLeft[n] = 1.0f - pBody;
    }
}
