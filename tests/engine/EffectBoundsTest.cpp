// Indices and curve constants taken from parameter values stay in range,
// whatever a host or a stored program hands over.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/BodyTube.h"
#include "engine/KeyVoice.h"
#include "engine/SpringB.h"

TEST(EffectsBounds, BodyKeyRangeNeverLeavesTheKeyBank)
{
    BodyTube tube;
    const std::pair<float, int> cases[] = {{NAN, 0}, {-1.0f, 0}, {0.5f, 64}, {0.9999f, 127}, {INFINITY, 128}};
    for (auto [v, key] : cases)
    {
        tube.setLowest(v);
        tube.setHighest(v);
        EXPECT_EQ(tube.lowest(), key) << v;
        EXPECT_EQ(tube.highest(), key) << v;
    }
}

TEST(EffectsBounds, SpringBCrushStaysFiniteWhenABowedExcitationOutlivesTheHit)
{
    // A soft strike leaves an excitation level far above 1; switching "Hit Power"
    // to 1 then enables the crush with that level.
    KeyVoice v{};
    v.hitPower = 1.0f;
    v.crushSteps = 8.0f;
    v.crushStepReciprocal = 0.125f;
    const float crush = springBCrushAmount(1.0f);
    for (float level : {0.0f, 0.5f, 1.0f, 3.0f, 50.0f, 1e6f})
    {
        v.excitationLevel = level;
        for (float out = -0.99f; out < 1.0f; out += 0.0137f)
        {
            v.bOutput = out;
            const float y = crushSpringB(v, crush);
            ASSERT_TRUE(std::isfinite(y)) << level << " " << out;
            ASSERT_NEAR(y, out, 0.125f + 1e-5f) << level << " " << out; // within its own step
        }
    }
}
