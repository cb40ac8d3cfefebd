// Dial and LCDDial driven through a headless frame as the window would:
// hover, relative drag, fine mode, gestures, wheel, notify-on-release, and
// what the LCD dial draws.

#include "ControlHostDouble.h"
#include "GalleryHelpers.h"

#include "controls/Dial.h"
#include "controls/LCDDial.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace VSTGUI;

namespace {

// A 50-pixel dial at (100, 100): centre (125, 125), active radius 20. The
// LCD dial's knob sits 90 px right of its left edge: (113, 23), 34 x 34,
// centre (130, 40), active radius 16.
struct DialFixture : ::testing::Test
{
    TestFrame frame{400, 400};
    ControlHostDouble host;
    Dial* dial = frame.add(new Dial(CRect(100, 100, 150, 150), &host, 9, 1, 7, 0.01f));
    LCDDial* lcd = frame.add(new LCDDial(CRect(20, 20, 210, 60), &host, 101));

    void grab(float value)
    {
        dial->setValue(value);
        frame.move(125, 125);
        frame.down(125, 125);
    }
    // Moves with the button held and returns the value.
    float drag(double y, int32_t buttons = kLButton)
    {
        frame.move(125, y, buttons);
        return dial->getValue();
    }
};

} // namespace

TEST_F(DialFixture, TwoHundredPixelsCoverTheRangeFromTheAnchorAndShiftRefinesWithoutAJump)
{
    grab(0.f);
    EXPECT_EQ(host.log, (std::vector<std::string>{"begin", "end"}));
    EXPECT_TRUE(frame.frame->isPointerHidden());
    EXPECT_NEAR(drag(25), 0.5f, 1e-6);
    EXPECT_FLOAT_EQ(drag(-75), 1.f);
    EXPECT_FLOAT_EQ(drag(-150), 1.f); // past the end: stays at 1
    EXPECT_NEAR(drag(-65), 0.95f, 1e-6); // coming back lowers it at once
    EXPECT_NEAR(drag(-65, kLButton | kShift), 0.95f, 1e-6); // Shift first seen: no change
    EXPECT_NEAR(drag(-75, kLButton | kShift), 0.955f, 1e-6); // 10 px fine
    EXPECT_NEAR(drag(-85), 0.955f, 1e-6); // Shift released: this event changes nothing
    EXPECT_NEAR(drag(-75), 0.905f, 1e-6); // coarse again from here
    frame.up(125, -75);
    EXPECT_FALSE(frame.frame->isPointerHidden());
    EXPECT_FALSE(dial->isDragging());
    // Every drag event is its own gesture around its change.
    EXPECT_TRUE(host.bracketed(9));
    EXPECT_EQ(host.count("changed"), 8);
    EXPECT_NEAR(host.changedValues.back(), 0.905f, 1e-6);
    for (size_t i = 2; i + 2 < host.log.size(); i += 3)
        EXPECT_EQ(host.log[i] + " " + host.log[i + 1] + " " + host.log[i + 2], "begin changed end") << i;
}

TEST_F(DialFixture, NotifyOnReleaseTellsTheListenerOnceOnMouseUp)
{
    dial->setNotifyOnRelease(true);
    grab(0.f);
    drag(105);
    EXPECT_NEAR(drag(85), 0.2f, 1e-6); // the knob follows the drag
    EXPECT_EQ(host.count("changed"), 0);
    EXPECT_TRUE(host.bracketed(3));
    frame.up(125, 85);
    EXPECT_EQ(host.changedValues, (std::vector<float>{dial->getValue()}));
}

TEST_F(DialFixture, ReactsAndShowsItsReadoutOnlyInsideItsActiveCircle)
{
    frame.move(144, 125); // 19 px from the centre
    EXPECT_TRUE(dial->isHighlighted());
    EXPECT_EQ(frame.frame->getCursor(), kCursorSizeAll);
    EXPECT_EQ(host.readouts, (std::vector<ControlHostDouble::Readout>{{1, 7}}));
    frame.move(146, 125); // 21 px
    EXPECT_FALSE(dial->isHighlighted());
    EXPECT_EQ(frame.frame->getCursor(), kCursorDefault);

    dial->setValue(0.3f);
    host.clear();
    frame.move(102, 102); // a corner of the control
    frame.down(102, 102);
    frame.move(102, 20, kLButton);
    frame.up(102, 20);
    EXPECT_FLOAT_EQ(dial->getValue(), 0.3f);
    EXPECT_TRUE(host.log.empty());
}

TEST_F(DialFixture, WheelStepsByItsIncrementAndClamps)
{
    auto wheel = [&](float distance, int32_t buttons = 0) {
        frame.wheel(125, 125, distance, buttons);
        return dial->getValue();
    };
    dial->setValue(0.5f);
    EXPECT_NEAR(wheel(1.f), 0.51f, 1e-6);
    EXPECT_NEAR(wheel(-2.f), 0.49f, 1e-6);
    EXPECT_NEAR(wheel(1.f, kShift), 0.4901f, 1e-6); // a hundredth of the step
    dial->setValue(0.995f);
    EXPECT_FLOAT_EQ(wheel(1.f), 1.f);
    EXPECT_TRUE(host.bracketed(4));
    EXPECT_EQ(host.count("changed"), 4);
}

TEST_F(DialFixture, LcdDialDragsAroundItsKnobNotTheControlWithoutAReadout)
{
    frame.move(60, 40); // over the label
    EXPECT_FALSE(lcd->isHighlighted());
    frame.click(60, 40);
    EXPECT_TRUE(host.log.empty());
    frame.move(115, 40); // control centre; 15 px left of the knob centre
    EXPECT_TRUE(lcd->isHighlighted());
    frame.down(115, 40);
    frame.move(215, 40, kLButton);
    EXPECT_NEAR(lcd->getValue(), 0.5f, 1e-6);
    EXPECT_TRUE(host.readouts.empty()); // no read-out line for LCD dials
}

TEST_F(DialFixture, LcdDialWedgeGrowsClockwiseFromTheLowerLeft)
{
    // Probes 11 px out from the knob centre, up, left, right and down, each
    // marked x where darker than the faint disc alone (at value 0).
    const std::pair<int, int> probes[] = {{130, 29}, {119, 40}, {141, 40}, {130, 51}};
    auto levels = [&](float value) {
        lcd->setValue(value);
        frame.redraw();
        std::vector<double> out;
        for (auto [x, y] : probes)
            out.push_back(brightness(frame.pixel(x, y)));
        return out;
    };
    const std::vector<double> disc = levels(0.f);
    for (double level : disc) // no wedge at 0: the disc looks the same everywhere
        EXPECT_DOUBLE_EQ(level, disc[0]);
    auto covered = [&](float value) {
        std::string marks;
        for (double level : levels(value))
            marks += level < disc[marks.size()] - 20 ? 'x' : '.';
        return marks;
    };
    EXPECT_EQ(covered(0.5f), ".x.."); // from the lower left to the top
    EXPECT_EQ(covered(1.f), "xxx."); // 270 degrees: only the bottom quarter stays open
}

TEST_F(DialFixture, LcdDialWedgeEndsAtTheValuesShareOf270Degrees)
{
    // Probes 12 px out from the knob centre, 12 degrees either side of where
    // the wedge should end (135 + 270 v degrees, clockwise on screen).
    constexpr double kPi = 3.14159265358979;
    auto probe = [](double degrees) {
        const double a = degrees * kPi / 180.0;
        return std::pair<int, int>(static_cast<int>(std::floor(130.5 + 12.0 * std::cos(a))),
                                   static_cast<int>(std::floor(40.5 + 12.0 * std::sin(a))));
    };
    for (float value : {0.25f, 0.5f, 0.75f, 1.f})
    {
        const double end = 135.0 + 270.0 * value;
        const auto inside = probe(end - 12.0), outside = probe(end + 12.0);
        lcd->setValue(0.f);
        frame.redraw();
        const double discInside = brightness(frame.pixel(inside.first, inside.second));
        const double discOutside = brightness(frame.pixel(outside.first, outside.second));
        lcd->setValue(value);
        frame.redraw();
        EXPECT_LT(brightness(frame.pixel(inside.first, inside.second)), discInside - 20) << value;
        EXPECT_EQ(brightness(frame.pixel(outside.first, outside.second)), discOutside) << value;
    }
}

TEST_F(DialFixture, LcdDialTextsAreCutToTheirRoom)
{
    lcd->setValueText("12345678901234567890");
    EXPECT_STREQ(lcd->getValueText(), "1234567890");
    lcd->setLabel("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123");
    EXPECT_EQ(std::string(lcd->getLabel()).size(), 25u);
}
