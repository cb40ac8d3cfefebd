// Spring B driven through the saturation curve: however hard a low key swings,
// the coupling saturates instead of exploding into full-scale spikes.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/engine/Signal.h"
#include "tests/support/TestHost.h"

namespace {

TEST(SpringBSaturation, LowKeyWithTheWheelMovingStaysSmooth)
{
    TestHost host;
    ASSERT_TRUE(host.ok()) << host.error();
    host.setParameter(ParamId::SaSaturate, 0.5f);
    host.noteOn(21, 100);
    StereoBuffer out;
    // About two seconds, the wheel swept up and down by 16 steps every block.
    for (int block = 0, wheel = 0, step = 16; block < 200; ++block)
    {
        wheel += step;
        if (wheel > 127 || wheel < 0)
            step = -step, wheel = wheel > 127 ? 127 : 0;
        host.controller(1, wheel);
        const StereoBuffer b = host.render(512);
        out.left.insert(out.left.end(), b.left.begin(), b.left.end());
        out.right.insert(out.right.end(), b.right.begin(), b.right.end());
    }
    ASSERT_GT(out.peak(), 1e-3f);
    float jump = 0.0f;
    int fullScaleRun = 0, longestRun = 0;
    for (const std::vector<float>* channel : {&out.left, &out.right})
        for (size_t i = 1; i < channel->size(); ++i)
        {
            jump = std::max(jump, std::fabs((*channel)[i] - (*channel)[i - 1]));
            fullScaleRun = std::fabs((*channel)[i]) >= 0.999f ? fullScaleRun + 1 : 0;
            longestRun = std::max(longestRun, fullScaleRun);
        }
    EXPECT_LT(jump, 0.1f);
    EXPECT_LT(longestRun, 3);
}

} // namespace
