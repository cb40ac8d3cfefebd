// The lit dial renderer: where the knob's dimple lands, what is transparent,
// and the shared polynomial sine (the needle's notch is the Display test's).

#include "common/FastSin.h"
#include "controls/map_Dial.h" // renderLitDial

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace {

using Pixel = std::array<uint8_t, 4>; // r, g, b, a

// A straight-alpha RGBA buffer the pure renderers write into.
struct Buffer
{
    int width, rows;
    std::vector<uint8_t> bytes;
    Buffer(int w, int h) : width(w), rows(h), bytes(static_cast<size_t>(w * h * 4), 0xEE) {}
    LitPixels target()
    {
        LitPixels px;
        px.base = bytes.data();
        px.bytesPerRow = width * 4;
        px.width = width;
        px.rows = rows;
        px.red = 0, px.green = 1, px.blue = 2, px.alpha = 3;
        return px;
    }
    Pixel at(int x, int y) const
    {
        const uint8_t* p = &bytes[static_cast<size_t>((y * width + x) * 4)];
        return {p[0], p[1], p[2], p[3]};
    }
};

// A square knob at (100, 100) on the panel.
Buffer render(double value, int size = 50)
{
    Buffer buffer(size, size);
    const LitPlacement at{100, 100, 100 + size / 2.0, 100 + size / 2.0, double(size)};
    renderLitDial(buffer.target(), at, size, value, false);
    return buffer;
}

bool sameColour(const Pixel& a, const Pixel& b) { return a[0] == b[0] && a[1] == b[1] && a[2] == b[2]; }

// Centre (x, y) and size of the pixels where `a` differs from both `b` and
// `c`: the dimple that only `a` has.
std::array<double, 3> ownDimple(const Buffer& a, const Buffer& b, const Buffer& c)
{
    std::array<double, 3> sum{0, 0, 0};
    for (int y = 0; y < a.rows; ++y)
        for (int x = 0; x < a.width; ++x)
            if (!sameColour(a.at(x, y), b.at(x, y)) && !sameColour(a.at(x, y), c.at(x, y)))
                sum = {sum[0] + x, sum[1] + y, sum[2] + 1};
    return {sum[0] / std::fmax(sum[2], 1), sum[1] / std::fmax(sum[2], 1), sum[2]};
}

} // namespace

TEST(FastSin, FollowsTheSineOverSeveralTurns)
{
    for (double x = -20.0; x <= 20.0; x += 0.01)
        EXPECT_NEAR(fastSin(x), std::sin(x), 4e-4) << "x = " << x;
    // The fold rounds ties to even: 1.5 pi folds to 2 pi, 2.5 pi to 2 pi too.
    EXPECT_NEAR(fastSin(1.5 * 3.141592653589793), -1.0, 4e-4);
    EXPECT_NEAR(fastSin(2.5 * 3.141592653589793), 1.0, 4e-4);
}

TEST(LitDial, DimpleSweepsFromLowerLeftOverTheTopToLowerRight)
{
    const Buffer zero = render(0.0), half = render(0.5), one = render(1.0);
    const auto top = ownDimple(half, zero, one), left = ownDimple(zero, half, one), right = ownDimple(one, zero, half);
    for (const auto& dimple : {top, left, right})
        ASSERT_GT(dimple[2], 10);
    const double centre = 25.0 - 1.0; // R - 1
    // 0.5: straight above the centre.
    EXPECT_NEAR(top[0], centre, 0.75);
    EXPECT_LT(top[1], centre - 8.0);
    // 0 and 1: mirror images, below the centre.
    EXPECT_LT(left[0], centre - 8.0);
    EXPECT_GT(left[1], centre + 4.0);
    EXPECT_NEAR(left[0] + right[0], 2.0 * centre, 1.0);
    EXPECT_NEAR(left[1], right[1], 1.0);
}

TEST(LitDial, OutsideTheCircleIsTransparentInsideOpaque)
{
    const Buffer dial = render(0.3);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
        {
            const double q = 1.0 - ((x - 24.0) * (x - 24.0) + (y - 24.0) * (y - 24.0)) / 625.0;
            if (q >= 0 && q < 0.1) // the soft edge
                continue;
            EXPECT_EQ(dial.at(x, y)[3], q < 0 ? 0 : 255) << x << "," << y;
        }
}
