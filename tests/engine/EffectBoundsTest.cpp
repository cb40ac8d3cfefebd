// Indices and curve constants taken from parameter values stay in range,
// whatever a host or a stored program hands over.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/BodyTube.h"

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
