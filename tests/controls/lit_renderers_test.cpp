// The lit renderers: where the knob's dimple lands, what is transparent, the
// needle's place and notch, and the shared polynomial sine.

#include "GalleryHelpers.h"

#include "controls/Dial.h"
#include "controls/FastSin.h"
#include "controls/map_Dial.h"
#include "controls/map_Slider_Needle.h" // renderLitNeedle

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace VSTGUI;

namespace {

struct Pixel
{
    uint8_t r, g, b, a;
};

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
        return { p[0], p[1], p[2], p[3] };
    }
};

LitPlacement placement(double left, double top, double width, double height)
{
    LitPlacement at;
    at.left = left;
    at.top = top;
    at.cx = left + width / 2;
    at.cy = top + height / 2;
    at.height = height;
    return at;
}

Buffer renderDial(double value, int size = 50)
{
    Buffer buffer(size, size);
    renderLitDial(buffer.target(), placement(100, 100, size, size), size, value, false);
    return buffer;
}

struct Centroid
{
    double x = 0, y = 0;
    int count = 0;
};

bool sameColour(const Pixel& a, const Pixel& b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

// Centre of the pixels where `a` differs from both `b` and `c`: the dimple
// that only `a` has.
Centroid ownDimple(const Buffer& a, const Buffer& b, const Buffer& c)
{
    Centroid result;
    for (int y = 0; y < a.rows; ++y)
        for (int x = 0; x < a.width; ++x)
            if (!sameColour(a.at(x, y), b.at(x, y)) && !sameColour(a.at(x, y), c.at(x, y)))
            {
                result.x += x;
                result.y += y;
                ++result.count;
            }
    result.x /= std::max(result.count, 1);
    result.y /= std::max(result.count, 1);
    return result;
}

} // namespace

TEST(FastSin, FollowsTheSineOverSeveralTurns)
{
    for (double x = -20.0; x <= 20.0; x += 0.01)
        EXPECT_NEAR(fastSin(x), std::sin(x), 4e-4) << "x = " << x;
    EXPECT_DOUBLE_EQ(fastSin(0.0), 0.0);
    // The fold rounds ties to even: 1.5 pi folds to 2 pi, 2.5 pi to 2 pi too.
    EXPECT_NEAR(fastSin(1.5 * 3.141592653589793), -1.0, 4e-4);
    EXPECT_NEAR(fastSin(2.5 * 3.141592653589793), 1.0, 4e-4);
}

TEST(LitDial, DimpleSweepsFromLowerLeftOverTheTopToLowerRight)
{
    const Buffer zero = renderDial(0.0), half = renderDial(0.5), one = renderDial(1.0);
    const Centroid top = ownDimple(half, zero, one);
    const Centroid left = ownDimple(zero, half, one);
    const Centroid right = ownDimple(one, zero, half);
    ASSERT_GT(top.count, 10);
    ASSERT_GT(left.count, 10);
    ASSERT_GT(right.count, 10);

    const double centre = 25.0 - 1.0; // R - 1
    // 0.5: straight above the centre.
    EXPECT_NEAR(top.x, centre, 0.75);
    EXPECT_LT(top.y, centre - 8.0);
    // 0 and 1: mirror images, below the centre.
    EXPECT_LT(left.x, centre - 8.0);
    EXPECT_GT(right.x, centre + 8.0);
    EXPECT_GT(left.y, centre + 4.0);
    EXPECT_NEAR(left.x + right.x, 2.0 * centre, 1.0);
    EXPECT_NEAR(left.y, right.y, 1.0);
}

TEST(LitDial, OutsideTheCircleIsTransparentAndTheEdgeSoft)
{
    const Buffer dial = renderDial(0.3);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
        {
            const double dx = x - 24.0, dy = y - 24.0;
            const double q = 1.0 - (dx * dx + dy * dy) / 625.0;
            const Pixel p = dial.at(x, y);
            if (q < 0)
                EXPECT_EQ(p.a, 0) << x << "," << y;
            else if (q >= 0.1)
                EXPECT_EQ(p.a, 255) << x << "," << y;
            else
                EXPECT_NEAR(p.a, 2550.0 * q, 1.0) << x << "," << y;
        }
}

TEST(LitDial, OnAPanelOnlyTheKnobCoversIt)
{
    // Not square: the circle has radius width/2 around (width/2 - 1, height/2 - 1).
    TestFrame frame(200, 200);
    frame.add(new Dial(CRect(40, 40, 80, 100), nullptr, 1, 1, 0, 0.01f));
    frame.redraw();
    const double cx = 40 + 19, cy = 40 + 29;
    for (int y = 40; y < 100; ++y)
        for (int x = 40; x < 80; ++x)
        {
            const double r = std::hypot(x - cx, y - cy);
            if (r > 20.5)
            {
                EXPECT_EQ(frame.pixel(x, y), kGalleryPanel) << x << "," << y;
            }
            else if (r < 17)
            {
                EXPECT_NE(frame.pixel(x, y), kGalleryPanel) << x << "," << y;
            }
        }
    EXPECT_EQ(frame.pixel(39, 69), kGalleryPanel);
}

TEST(LitDial, HighlightWarmsTheKnob)
{
    Buffer plain(40, 40), lit(40, 40);
    renderLitDial(plain.target(), placement(10, 10, 40, 40), 40, 0.5, false);
    renderLitDial(lit.target(), placement(10, 10, 40, 40), 40, 0.5, true);
    // Where the surface tilts the pull toward (255, 205, 85) shows: more red,
    // less blue over the knob as a whole, and never the other way round.
    long redGain = 0, blueLoss = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
        {
            const Pixel p = plain.at(x, y), l = lit.at(x, y);
            EXPECT_GE(l.r, p.r);
            EXPECT_LE(l.b, p.b);
            redGain += l.r - p.r;
            blueLoss += p.b - l.b;
        }
    EXPECT_GT(redGain, 500);
    EXPECT_GT(blueLoss, 500);
}

TEST(LitNeedle, NotchIsHalfTransparentBlack)
{
    Buffer needle(20, 120);
    renderLitNeedle(needle.target(), placement(45, 326, 20, 120), 20, false);
    for (int y = 16; y <= 24; ++y)
        for (int x = 16; x < 20; ++x)
        {
            const Pixel p = needle.at(x, y);
            EXPECT_EQ(p.a, 127);
            EXPECT_EQ(p.r + p.g + p.b, 0);
        }
    // The head's centre is opaque and lit, the far corners transparent.
    EXPECT_EQ(needle.at(10, 20).a, 255);
    EXPECT_GT(needle.at(10, 20).r, 0);
    EXPECT_EQ(needle.at(0, 0).a, 0);
    EXPECT_EQ(needle.at(19, 119).a, 0);
}
