// Crusher on the spring sums: the grid a listener hears.
#include "engine/Crusher.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A decaying two-partial ring like a struck spring sum, within -1..1.
float springSum(int i)
{
    const float t = static_cast<float>(i);
    return 0.9f * std::exp(-t * 1e-4f) * (0.7f * std::sin(t * 0.031f) + 0.3f * std::sin(t * 0.113f));
}

} // namespace

TEST(EffectsCrusher, ThreeBitsAtFullCrushLieOnAnEighthGrid)
{
    Crusher c;
    c.setBits(3.0f / 16.0f);
    c.setShape(1.0f);
    ASSERT_EQ(c.steps(), 8.0f);
    int onGrid = 0;
    const int n = 20000;
    for (int i = 0; i < n; ++i)
    {
        float l = springSum(i), r = springSum(i + 101);
        c.process(l, r);
        for (float x : {l, r})
        {
            const float g = x * 8.0f;
            if (std::fabs(g - std::round(g)) * 0.125f < 1e-3f)
                ++onGrid;
            ASSERT_LE(std::fabs(x), 1.0f + 1e-6f);
        }
    }
    // Only samples that fall within a hair of a step's lower edge are bent in between.
    EXPECT_GT(onGrid, 2 * n * 98 / 100);
}
