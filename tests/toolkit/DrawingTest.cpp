// Geometry of the drawing primitives, measured in pixels.

#include "Surface.h"

#include "toolkit/CGradient.h"
#include "toolkit/CGraphicsPath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace VSTGUI;

TEST(Drawing, LinesCoverTheirPixelRows)
{
    struct Case
    {
        uint32_t mode;
        double width, y;
        int top, bottom, count;
    };
    // A 1-pixel line covers its row (a fractional y is rounded), a 2-pixel
    // line straddles the coordinate; anti-aliased ends are half covered.
    for (const Case& c : {Case{kAliasing, 1, 5, 5, 6, 10}, Case{kAliasing, 1, 5.4, 5, 6, 10},
                          Case{kAliasing, 2, 5, 4, 6, 20}, Case{kAntiAliasing, 1, 5, 5, 6, 11}})
    {
        Surface s(40, 20);
        s.context->setDrawMode(c.mode);
        s.context->setLineWidth(c.width);
        s.context->setFrameColor(kRedCColor);
        s.context->drawLine(CPoint(10, c.y), CPoint(20, c.y));
        EXPECT_EQ(s.countPainted(0, c.top, 40, c.bottom), c.count) << c.mode << " " << c.width << " " << c.y;
        EXPECT_EQ(s.countPainted(), c.count);
        EXPECT_EQ(s.color(15, c.top), kRedCColor);
    }
}

TEST(Drawing, RectsPaintInsideTheHalfOpenRect)
{
    const CColor none(0, 0, 0, 0);
    for (CDrawStyle style : {kDrawStroked, kDrawFilled, kDrawFilledAndStroked})
    {
        Surface s(40, 40);
        s.context->setFillColor(kGreenCColor);
        s.context->setFrameColor(kRedCColor);
        s.context->drawRect(CRect(10, 10, 20, 20), style);
        EXPECT_EQ(s.countPainted(10, 10, 20, 20), s.countPainted()) << style;
        EXPECT_EQ(s.countPainted(), style == kDrawStroked ? 36 : 100) << style; // the border, or all
        EXPECT_EQ(s.color(15, 15), style == kDrawStroked ? none : kGreenCColor) << style;
        EXPECT_EQ(s.color(19, 19), style == kDrawFilled ? kGreenCColor : kRedCColor) << style;
    }
}

// Is the angle (degrees, 0 = 3 o'clock, clockwise) painted on the ring of a
// circle of radius 40 centred at (50, 50)?
static bool ringPainted(const Surface& s, double degrees)
{
    const double a = degrees * M_PI / 180;
    return s.painted(static_cast<int>(50 + 39 * std::cos(a)), static_cast<int>(50 + 39 * std::sin(a)));
}

// (Arcs over the top and with no sweep are checked on the LCD dial's wedge.)
TEST(Drawing, ArcsTurnClockwiseFromThreeOClock)
{
    struct Case
    {
        float from, to;
        std::vector<double> on, off;
    };
    const Case cases[] = {
        {0, 90, {2, 45, 88}, {-45, 135, 225}},
        {241, 170, {250, 300, 0, 45, 90, 160}, {205}}, // end before start wraps through 0
        {-90, 270, {0, 30, 60, 90, 120, 150, 180, 210, 240, 270, 300, 330}, {}}, // a full turn
    };
    for (const Case& c : cases)
    {
        Surface s(100, 100);
        s.context->setLineWidth(4);
        s.context->drawArc(CRect(10, 10, 90, 90), c.from, c.to, kDrawStroked);
        for (double a : c.on)
            EXPECT_TRUE(ringPainted(s, a)) << c.from << ".." << c.to << " at " << a;
        for (double a : c.off)
            EXPECT_FALSE(ringPainted(s, a)) << c.from << ".." << c.to << " at " << a;
    }
}

// (Ellipses, filled arcs and elliptic wedges are left to the control pictures.)
TEST(Drawing, PolygonsCloseOnlyWhenFilled)
{
    const CPoint pts[] = {CPoint(10, 10), CPoint(90, 10), CPoint(90, 90)};
    Surface p(100, 100), f(100, 100);
    p.context->drawPolygon(pts, 3, kDrawStroked);
    f.context->drawPolygon(pts, 3, kDrawFilled);
    EXPECT_TRUE(p.painted(90, 50) || p.painted(89, 50)); // no pixel alignment: either column
    EXPECT_FALSE(p.painted(50, 50)); // no closing diagonal when stroked
    EXPECT_TRUE(f.painted(70, 30));
}

TEST(Drawing, ClipIsReplacedNotIntersected)
{
    Surface s(50, 50);
    s.context->setFillColor(kBlackCColor);
    s.context->setClipRect(CRect(10, 10, 20, 20));
    s.context->drawRect(CRect(0, 0, 50, 50), kDrawFilled);
    EXPECT_EQ(s.countPainted(), 100);
    s.context->setClipRect(CRect(30, 30, 40, 40));
    s.context->drawRect(CRect(0, 0, 50, 50), kDrawFilled);
    EXPECT_EQ(s.countPainted(), 200);
}

TEST(Drawing, GradientsFillOnlyThePath)
{
    Surface s(120, 20);
    auto* path = s.context->createGraphicsPath();
    path->addRect(CRect(10, 0, 110, 10));
    auto* gradient = CGradient::create(0, 1, kBlackCColor, kWhiteCColor);
    s.context->fillLinearGradient(path, *gradient, CPoint(10, 0), CPoint(110, 0));
    EXPECT_LT(s.color(10, 5).red, 5);
    EXPECT_NEAR(s.color(60, 5).red, 128, 4);
    EXPECT_FALSE(s.painted(5, 5)); // outside the path
    EXPECT_FALSE(s.painted(60, 15));
    gradient->forget();
    path->forget();
}

TEST(Drawing, NonFiniteGeometryDrawsNothingAndLeavesTheContextWorking)
{
    Surface s(50, 50);
    const double nan = std::nan("");
    s.context->drawEllipse(CRect(0, 0, nan, 10), kDrawFilled);
    s.context->drawArc(CRect(0, 0, 40, 40), 0, static_cast<float>(nan), kDrawStroked);
    s.context->setLineWidth(nan);
    s.context->drawLine(CPoint(0, 0), CPoint(10, 10));
    s.context->setLineWidth(1);
    s.context->setFillColor(kRedCColor);
    s.context->drawRect(CRect(40, 40, 50, 50), kDrawFilled);
    EXPECT_EQ(s.color(45, 45), kRedCColor);
}
