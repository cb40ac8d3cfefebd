// Geometry of the drawing primitives, measured in pixels.

#include "Surface.h"

#include "toolkit/CGradient.h"
#include "toolkit/CGraphicsPath.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace VSTGUI;

TEST(DrawingLines, OnePixelLineCoversExactlyItsRow)
{
    for (uint32_t mode : {uint32_t(kAliasing), uint32_t(kAntiAliasing)})
    {
        Surface s(40, 20);
        s.context->setDrawMode(mode);
        s.context->setFrameColor(kRedCColor);
        s.context->drawLine(CPoint(10, 5), CPoint(20, 5));
        // (with anti-aliasing the half-pixel shift leaves half-covered ends)
        for (int x = 11; x < 20; ++x)
            EXPECT_EQ(s.alpha(x, 5), 255) << "mode " << mode << " x " << x;
        EXPECT_EQ(s.countPainted(0, 5, 40, 6), s.countPainted()) << "mode " << mode; // row 5 only
        EXPECT_EQ(s.color(15, 5), kRedCColor);
    }
    Surface aliased(40, 20);
    aliased.context->drawLine(CPoint(10, 5), CPoint(20, 5));
    EXPECT_EQ(aliased.countPainted(), 10);
}

TEST(DrawingLines, IntegralModeRoundsButNonIntegralDoesNot)
{
    Surface s(40, 20);
    s.context->setDrawMode(kAliasing);
    s.context->drawLine(CPoint(10, 5.4), CPoint(20, 5.4));
    EXPECT_EQ(s.countPainted(10, 5, 20, 6), 10);

    Surface t(40, 20);
    t.context->setDrawMode(kAntiAliasing | kNonIntegralMode);
    t.context->drawLine(CPoint(10, 5), CPoint(20, 5));
    // Sub-pixel position: the odd-width shift alone puts it on row 5.
    EXPECT_EQ(t.countPainted(0, 0, 40, 5), 0);
    EXPECT_TRUE(t.painted(15, 5));
}

TEST(DrawingLines, TwoPixelLineStraddlesTheCoordinate)
{
    Surface s(40, 20);
    s.context->setLineWidth(2);
    s.context->drawLine(CPoint(10, 5), CPoint(20, 5));
    EXPECT_EQ(s.countPainted(10, 4, 20, 6), 20);
    EXPECT_EQ(s.countPainted(), 20);
}

TEST(DrawingRects, StrokedRectPaintsTheBorderInsideTheHalfOpenRect)
{
    Surface s(40, 40);
    s.context->setFrameColor(kBlueCColor);
    s.context->drawRect(CRect(10, 10, 20, 20), kDrawStroked);
    for (int i = 10; i < 20; ++i)
    {
        EXPECT_TRUE(s.painted(i, 10));
        EXPECT_TRUE(s.painted(i, 19));
        EXPECT_TRUE(s.painted(10, i));
        EXPECT_TRUE(s.painted(19, i));
    }
    EXPECT_EQ(s.countPainted(11, 11, 19, 19), 0); // interior
    EXPECT_EQ(s.countPainted(), 36);
}

TEST(DrawingRects, FilledRectCoversExactlyTheHalfOpenRect)
{
    Surface s(40, 40);
    s.context->setFillColor(kGreenCColor);
    s.context->drawRect(CRect(10, 10, 20, 15), kDrawFilled);
    EXPECT_EQ(s.countPainted(10, 10, 20, 15), 50);
    EXPECT_EQ(s.countPainted(), 50);
    EXPECT_EQ(s.color(10, 10), kGreenCColor);
}

TEST(DrawingRects, FilledAndStrokedUnionIsTheHalfOpenRect)
{
    Surface s(40, 40);
    s.context->setFillColor(kGreenCColor);
    s.context->setFrameColor(kRedCColor);
    s.context->drawRect(CRect(10, 10, 20, 20), kDrawFilledAndStroked);
    EXPECT_EQ(s.countPainted(), 100);
    EXPECT_EQ(s.color(19, 19), kRedCColor);
    EXPECT_EQ(s.color(15, 15), kGreenCColor);
}

TEST(DrawingColours, ColourAlphaAndGlobalAlphaMultiply)
{
    Surface s(10, 10);
    s.context->setFillColor(CColor(255, 0, 0, 128));
    s.context->setGlobalAlpha(0.5f);
    s.context->drawRect(CRect(0, 0, 10, 10), kDrawFilled);
    EXPECT_NEAR(s.alpha(5, 5), 64, 1);
    EXPECT_EQ(s.color(5, 5).red, 255);
}

// Is the angle (degrees, 0 = 3 o'clock, clockwise) painted on the ring of a
// circle of radius 40 centred at (50, 50)?
static bool ringPainted(const Surface& s, double degrees)
{
    const double a = degrees * M_PI / 180;
    return s.painted(static_cast<int>(50 + 39 * std::cos(a)), static_cast<int>(50 + 39 * std::sin(a)));
}

TEST(DrawingArcs, ZeroIsThreeOClockAndPositiveAnglesTurnClockwise)
{
    Surface s(100, 100);
    s.context->setLineWidth(4);
    s.context->drawArc(CRect(10, 10, 90, 90), 0, 90, kDrawStroked);
    EXPECT_TRUE(ringPainted(s, 45)); // lower right
    EXPECT_FALSE(ringPainted(s, -45)); // upper right
    EXPECT_FALSE(ringPainted(s, 135));
    EXPECT_FALSE(ringPainted(s, 225));
    EXPECT_TRUE(s.painted(88, 52)); // near 3 o'clock
    EXPECT_TRUE(s.painted(50, 88)); // near 6 o'clock
}

TEST(DrawingArcs, EndBeforeStartWrapsClockwiseThroughZero)
{
    Surface s(100, 100);
    s.context->setLineWidth(4);
    s.context->drawArc(CRect(10, 10, 90, 90), 241, 170, kDrawStroked); // 289 degrees
    for (double a : {250.0, 300.0, 0.0, 45.0, 90.0, 160.0})
        EXPECT_TRUE(ringPainted(s, a)) << a;
    EXPECT_FALSE(ringPainted(s, 205));
}

TEST(DrawingArcs, KnobWedgeRunsOverTheTop)
{
    // 135 -> 405: from 7:30 over 12 o'clock to 4:30.
    Surface s(100, 100);
    s.context->setLineWidth(4);
    s.context->drawArc(CRect(10, 10, 90, 90), 135, 405, kDrawStroked);
    EXPECT_TRUE(ringPainted(s, 270));
    EXPECT_TRUE(ringPainted(s, 180));
    EXPECT_TRUE(ringPainted(s, 0));
    EXPECT_FALSE(ringPainted(s, 90)); // 6 o'clock gap
}

TEST(DrawingArcs, FilledArcIsAChordSegmentNotAPie)
{
    Surface s(100, 100);
    s.context->setFillColor(kBlackCColor);
    s.context->drawArc(CRect(10, 10, 90, 90), 0, 90, kDrawFilled);
    EXPECT_TRUE(s.painted(75, 75)); // beyond the chord
    EXPECT_FALSE(s.painted(55, 55)); // between centre and chord
}

TEST(DrawingArcs, ZeroSweepDrawsNothingAndFullTurnDrawsTheRing)
{
    Surface s(100, 100);
    s.context->drawArc(CRect(10, 10, 90, 90), 30, 30, kDrawStroked);
    EXPECT_EQ(s.countPainted(), 0);
    s.context->setLineWidth(3);
    s.context->drawArc(CRect(10, 10, 90, 90), -90, 270, kDrawStroked);
    for (double a = 0; a < 360; a += 30)
        EXPECT_TRUE(ringPainted(s, a)) << a;
}

TEST(DrawingArcs, EllipseAnglesAreGeometricDirections)
{
    // Pie wedge 0..45 degrees on a 200 x 100 ellipse: the 40-degree ray is
    // inside (a parametric angle would end the wedge near 26.6 degrees).
    Surface s(220, 120);
    auto* path = s.context->createGraphicsPath();
    const CRect r(10, 10, 210, 110);
    path->beginSubpath(r.getCenter());
    path->addArc(r, 0, 45, true);
    path->closeSubpath();
    s.context->setFillColor(kBlackCColor);
    s.context->drawGraphicsPath(path, CDrawContext::kPathFilled);
    path->forget();
    auto rayPoint = [](double deg, double dist) {
        const double a = deg * M_PI / 180;
        return CPoint(110 + dist * std::cos(a), 60 + dist * std::sin(a));
    };
    const CPoint in = rayPoint(40, 55); // the ellipse edge on that ray is ~64 px out
    EXPECT_TRUE(s.painted(static_cast<int>(in.x), static_cast<int>(in.y)));
    const CPoint out = rayPoint(50, 40);
    EXPECT_FALSE(s.painted(static_cast<int>(out.x), static_cast<int>(out.y)));
}

TEST(DrawingShapes, EllipseAndOpenPolygon)
{
    Surface s(100, 100);
    s.context->setFillColor(kBlackCColor);
    s.context->drawEllipse(CRect(0, 0, 100, 50), kDrawFilled);
    EXPECT_TRUE(s.painted(50, 25));
    EXPECT_TRUE(s.painted(2, 25));
    EXPECT_FALSE(s.painted(2, 2));
    EXPECT_FALSE(s.painted(50, 60));

    Surface p(100, 100);
    const CPoint pts[] = {CPoint(10, 10), CPoint(90, 10), CPoint(90, 90)};
    p.context->drawPolygon(pts, 3, kDrawStroked);
    // No pixel alignment for polygons: the edge may land on either row.
    EXPECT_TRUE(p.painted(50, 10) || p.painted(50, 9));
    EXPECT_TRUE(p.painted(90, 50) || p.painted(89, 50));
    EXPECT_FALSE(p.painted(50, 50)); // no closing diagonal when stroked
    Surface f(100, 100);
    f.context->drawPolygon(pts, 3, kDrawFilled);
    EXPECT_TRUE(f.painted(70, 30)); // filled closes implicitly
}

TEST(DrawingClip, ClipRectIsHonouredAndReplacedNotIntersected)
{
    Surface s(50, 50);
    s.context->setClipRect(CRect(10, 10, 20, 20));
    s.context->setFillColor(kBlackCColor);
    s.context->drawRect(CRect(0, 0, 50, 50), kDrawFilled);
    EXPECT_EQ(s.countPainted(), 100);
    CRect clip;
    s.context->getClipRect(clip);
    EXPECT_EQ(clip, CRect(10, 10, 20, 20));

    s.context->setClipRect(CRect(30, 30, 40, 40)); // replaces
    s.context->drawRect(CRect(0, 0, 50, 50), kDrawFilled);
    EXPECT_EQ(s.countPainted(), 200);
    s.context->resetClipRect();
    s.context->getClipRect(clip);
    EXPECT_EQ(clip, CRect(0, 0, 50, 50));
}

TEST(DrawingState, SaveAndRestoreGlobalState)
{
    Surface s(10, 10);
    s.context->setFrameColor(kRedCColor);
    s.context->setLineWidth(3);
    s.context->saveGlobalState();
    s.context->setFrameColor(kBlueCColor);
    s.context->setLineWidth(1);
    s.context->setClipRect(CRect(1, 1, 2, 2));
    s.context->restoreGlobalState();
    EXPECT_EQ(s.context->getFrameColor(), kRedCColor);
    EXPECT_EQ(s.context->getLineWidth(), 3);
    CRect clip;
    EXPECT_EQ(s.context->getClipRect(clip), CRect(0, 0, 10, 10));
    EXPECT_EQ(s.context->getFillColor(), kBlackCColor); // creation defaults
    EXPECT_EQ(s.context->getFontColor(), kWhiteCColor);
    EXPECT_EQ(s.context->getDrawMode(), CDrawMode(kAliasing));
}

TEST(DrawingGradient, LinearGradientFillsOnlyThePath)
{
    Surface s(120, 20);
    auto* path = s.context->createGraphicsPath();
    path->addRect(CRect(10, 0, 110, 10));
    auto* gradient = CGradient::create(0, 1, kBlackCColor, kWhiteCColor);
    s.context->fillLinearGradient(path, *gradient, CPoint(10, 0), CPoint(110, 0));
    EXPECT_LT(s.color(10, 5).red, 5);
    EXPECT_GT(s.color(109, 5).red, 250);
    EXPECT_NEAR(s.color(60, 5).red, 128, 4);
    EXPECT_FALSE(s.painted(5, 5)); // outside the path
    EXPECT_FALSE(s.painted(60, 15));
    gradient->forget();
    path->forget();
}

TEST(DrawingGradient, StopsBeyondTheLineExtendTheEndColours)
{
    Surface s(100, 10);
    auto* path = s.context->createRoundRectGraphicsPath(CRect(0, 0, 100, 10), 0);
    CGradient::ColorStopMap stops{{0.0, CColor(30, 15, 5, 0)}, {1.0, CColor(30, 15, 5, 70)}};
    CGradient gradient(stops);
    s.context->fillLinearGradient(path, gradient, CPoint(40, 0), CPoint(60, 0));
    EXPECT_EQ(s.alpha(10, 5), 0);
    EXPECT_NEAR(s.alpha(90, 5), 70, 1);
    path->forget();
}

TEST(DrawingPaths, RoundRectHasRoundedCornersAndStraightEdges)
{
    Surface s(100, 100);
    auto* path = s.context->createRoundRectGraphicsPath(CRect(0, 0, 100, 100), 20);
    s.context->setFillColor(kBlackCColor);
    s.context->drawGraphicsPath(path, CDrawContext::kPathFilled);
    EXPECT_FALSE(s.painted(1, 1));
    EXPECT_FALSE(s.painted(98, 98));
    EXPECT_TRUE(s.painted(50, 1));
    EXPECT_TRUE(s.painted(1, 50));
    EXPECT_TRUE(s.painted(10, 10));
    path->forget();
}

TEST(DrawingPaths, EvenOddLeavesTheHoleEmpty)
{
    Surface s(100, 100);
    auto* path = s.context->createGraphicsPath();
    path->addRect(CRect(0, 0, 100, 100));
    path->addRect(CRect(25, 25, 75, 75));
    s.context->drawGraphicsPath(path, CDrawContext::kPathFilledEvenOdd);
    EXPECT_TRUE(s.painted(10, 10));
    EXPECT_FALSE(s.painted(50, 50));
    path->forget();
}

TEST(DrawingState, NonFiniteGeometryDrawsNothingAndLeavesTheContextWorking)
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
