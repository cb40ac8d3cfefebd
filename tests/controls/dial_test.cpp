// Dial and LCDDial driven through a headless frame as the window would:
// hover, relative drag, fine mode, gestures, wheel, notify-on-release.

#include "ControlHostDouble.h"
#include "GalleryHelpers.h"

#include "controls/Dial.h"
#include "controls/LCDDial.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace VSTGUI;

namespace {

int countOf(const std::vector<std::string>& log, const std::string& word)
{
    return static_cast<int>(std::count(log.begin(), log.end(), word));
}

// A 50-pixel dial at (100, 100); its centre is (125, 125), active radius 20.
struct DialFixture : ::testing::Test
{
    TestFrame frame{ 400, 400 };
    ControlHostDouble host;
    Dial* dial = frame.add(new Dial(CRect(100, 100, 150, 150), &host, 9, 1, 7, 0.01f));

    void grab(float value)
    {
        dial->setValue(value);
        frame.move(125, 125);
        frame.down(125, 125);
    }
};

} // namespace

TEST_F(DialFixture, DragOf200PixelsUpCoversTheRangeFromTheAnchor)
{
    grab(0.f);
    frame.move(125, 25, kLButton);
    EXPECT_NEAR(dial->getValue(), 0.5f, 1e-6);
    frame.move(125, -75, kLButton);
    EXPECT_FLOAT_EQ(dial->getValue(), 1.f);
    frame.move(125, -150, kLButton); // past the end: stays at 1
    EXPECT_FLOAT_EQ(dial->getValue(), 1.f);
    frame.move(125, -65, kLButton); // coming back lowers it at once
    EXPECT_NEAR(dial->getValue(), 0.95f, 1e-6);
    ASSERT_FALSE(host.changedValues.empty());
    EXPECT_NEAR(host.changedValues.back(), 0.95f, 1e-6);
}

TEST_F(DialFixture, ShiftRefinesWithoutAJump)
{
    grab(0.f);
    frame.move(125, 25, kLButton);
    ASSERT_NEAR(dial->getValue(), 0.5f, 1e-6);
    frame.move(125, 25, kLButton | kShift); // Shift first seen: no change
    EXPECT_NEAR(dial->getValue(), 0.5f, 1e-6);
    frame.move(125, 15, kLButton | kShift); // 10 px fine = 0.005
    EXPECT_NEAR(dial->getValue(), 0.505f, 1e-6);
    frame.move(125, 5, kLButton); // Shift released: this event changes nothing
    EXPECT_NEAR(dial->getValue(), 0.505f, 1e-6);
    frame.move(125, -5, kLButton); // coarse again from here
    EXPECT_NEAR(dial->getValue(), 0.555f, 1e-6);
}

TEST_F(DialFixture, EveryDragEventIsItsOwnGesture)
{
    grab(0.2f);
    EXPECT_EQ(host.log, (std::vector<std::string>{ "begin", "end" }));
    host.clear();
    frame.move(125, 120, kLButton);
    frame.move(125, 110, kLButton);
    frame.up(125, 110);
    EXPECT_EQ(host.log, (std::vector<std::string>{ "begin", "changed", "end", "begin", "changed", "end" }));
    EXPECT_FALSE(dial->isDragging());
}

TEST_F(DialFixture, NotifyOnReleaseTellsTheListenerOnceOnMouseUp)
{
    dial->setNotifyOnRelease(true);
    grab(0.f);
    frame.move(125, 105, kLButton);
    frame.move(125, 85, kLButton);
    EXPECT_NEAR(dial->getValue(), 0.2f, 1e-6); // the knob follows the drag
    EXPECT_EQ(countOf(host.log, "changed"), 0);
    EXPECT_EQ(host.begins, host.ends);
    frame.up(125, 85);
    ASSERT_EQ(host.changedValues.size(), 1u);
    EXPECT_NEAR(host.changedValues[0], 0.2f, 1e-6);
}

TEST_F(DialFixture, ReactsOnlyInsideItsActiveCircle)
{
    frame.move(144, 125); // 19 px from the centre
    EXPECT_TRUE(dial->isHighlighted());
    EXPECT_EQ(frame.frame->getCursor(), kCursorSizeAll);
    frame.move(146, 125); // 21 px
    EXPECT_FALSE(dial->isHighlighted());
    EXPECT_EQ(frame.frame->getCursor(), kCursorDefault);

    dial->setValue(0.3f);
    host.clear();
    frame.move(102, 102); // a corner of the control
    frame.down(102, 102);
    frame.move(102, 20, kLButton);
    frame.up(102, 20);
    EXPECT_FALSE(dial->isDragging());
    EXPECT_FLOAT_EQ(dial->getValue(), 0.3f);
    EXPECT_EQ(host.begins, 0);
    EXPECT_TRUE(host.changedValues.empty());
}

TEST_F(DialFixture, HoverShowsTheReadoutAndHidesThePointerWhileDragging)
{
    frame.move(125, 125);
    ASSERT_FALSE(host.readouts.empty());
    EXPECT_EQ(host.readouts.back().section, 1);
    EXPECT_EQ(host.readouts.back().item, 7);
    frame.down(125, 125);
    EXPECT_TRUE(frame.frame->isPointerHidden());
    frame.up(125, 125);
    EXPECT_FALSE(frame.frame->isPointerHidden());

    dial->setReadoutSection(3);
    host.readouts.clear();
    frame.move(300, 300); // leaves the dial
    ASSERT_FALSE(host.readouts.empty());
    EXPECT_EQ(host.readouts.back().section, 3);
    EXPECT_FALSE(dial->isHighlighted());
    EXPECT_EQ(frame.frame->getCursor(), kCursorDefault);
}

TEST_F(DialFixture, WheelStepsByItsIncrementAndClamps)
{
    dial->setValue(0.5f);
    EXPECT_TRUE(frame.wheel(125, 125, 1.f));
    EXPECT_NEAR(dial->getValue(), 0.51f, 1e-6);
    EXPECT_TRUE(frame.wheel(125, 125, -2.f));
    EXPECT_NEAR(dial->getValue(), 0.49f, 1e-6);
    EXPECT_TRUE(frame.wheel(125, 125, 1.f, kShift)); // a hundredth of the step
    EXPECT_NEAR(dial->getValue(), 0.4901f, 1e-6);
    dial->setValue(0.995f);
    frame.wheel(125, 125, 1.f);
    EXPECT_FLOAT_EQ(dial->getValue(), 1.f);
    EXPECT_EQ(host.begins, 4);
    EXPECT_EQ(host.ends, 4);
    EXPECT_EQ(countOf(host.log, "changed"), 4);
}

TEST_F(DialFixture, DisabledDialIgnoresTheWheel)
{
    dial->setValue(0.5f);
    dial->setMouseEnabled(false);
    EXPECT_FALSE(dial->onWheel(CPoint(125, 125), 1.f, CButtonState(0)));
    EXPECT_FLOAT_EQ(dial->getValue(), 0.5f);
    EXPECT_TRUE(host.log.empty());
}

TEST_F(DialFixture, DragWithoutListenerChangesNothingButIsStillBracketed)
{
    Dial* lone = frame.add(new Dial(CRect(200, 200, 250, 250), nullptr, 5, 1, 0, 0.01f));
    lone->setValue(0.5f);
    frame.move(225, 225);
    frame.down(225, 225);
    frame.move(225, 150, kLButton);
    EXPECT_FLOAT_EQ(lone->getValue(), 0.5f);
    EXPECT_FALSE(lone->isEditing());
}

// LCDDial: knob 90 px right of the left edge; rect (20, 20, 210, 60) puts the
// knob centre at (130, 40) with an active radius of 16.
namespace {

struct LCDDialFixture : ::testing::Test
{
    TestFrame frame{ 300, 100 };
    ControlHostDouble host;
    LCDDial* dial = frame.add(new LCDDial(CRect(20, 20, 210, 60), &host, 101));
};

} // namespace

TEST_F(LCDDialFixture, DragOf200PixelsRightFromZeroSetsOne)
{
    frame.move(130, 40);
    EXPECT_TRUE(dial->isHighlighted());
    frame.down(130, 40);
    frame.move(230, 40, kLButton);
    EXPECT_NEAR(dial->getValue(), 0.5f, 1e-6);
    frame.move(330, 40, kLButton);
    EXPECT_FLOAT_EQ(dial->getValue(), 1.f);
    EXPECT_EQ(countOf(host.log, "changed"), 2);
    EXPECT_TRUE(host.readouts.empty()); // no read-out line for LCD dials
}

TEST_F(LCDDialFixture, ActiveCircleIsAroundTheKnobNotTheControl)
{
    frame.move(115, 40); // control centre; 15 px left of the knob centre
    EXPECT_TRUE(dial->isHighlighted());
    frame.move(60, 40); // over the label
    EXPECT_FALSE(dial->isHighlighted());
    frame.down(60, 40);
    EXPECT_FALSE(dial->isDragging());
    EXPECT_EQ(host.begins, 0);
}

TEST_F(LCDDialFixture, TextsAreCutToTheirRoom)
{
    dial->setLabel("LFO RATE");
    EXPECT_EQ(dial->getLabelIndent(), 2);
    dial->setValueText("12345678901234567890");
    EXPECT_STREQ(dial->getValueText(), "1234567890");
    dial->setLabel("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123");
    EXPECT_EQ(std::string(dial->getLabel()).size(), 25u);
}

namespace {

double brightness(const CColor& c) { return (c.red + c.green + c.blue) / 3.0; }

} // namespace

// Knob rectangle (113, 23) 34 x 34, centre (130, 40); sample 11 px out.
TEST_F(LCDDialFixture, WedgeGrowsClockwiseFromTheLowerLeft)
{
    struct Probe
    {
        int x, y;
    };
    const Probe up{ 130, 29 }, left{ 119, 40 }, right{ 141, 40 }, down{ 130, 51 };
    auto shade = [&](float value, Probe p) {
        dial->setValue(value);
        frame.redraw();
        return brightness(frame.pixel(p.x, p.y));
    };
    // Value 0: no wedge anywhere, only the faint disc.
    const double empty = shade(0.f, up);
    EXPECT_DOUBLE_EQ(shade(0.f, left), empty);
    EXPECT_DOUBLE_EQ(shade(0.f, right), empty);
    EXPECT_DOUBLE_EQ(shade(0.f, down), empty);
    // Value 0.5: from the lower left to the top, so the left is covered.
    EXPECT_LT(shade(0.5f, left), empty - 20);
    EXPECT_DOUBLE_EQ(shade(0.5f, right), empty);
    // Value 1: 270 degrees; only the bottom quarter stays open.
    EXPECT_LT(shade(1.f, up), empty - 20);
    EXPECT_LT(shade(1.f, left), empty - 20);
    EXPECT_LT(shade(1.f, right), empty - 20);
    EXPECT_DOUBLE_EQ(shade(1.f, down), empty);
}

TEST_F(LCDDialFixture, NineCharacterLabelStartsTenPixelsIn)
{
    dial->setLabel("ABCDEFGHI");
    frame.redraw();
    int leftmost = -1;
    for (int x = 20; x < 110 && leftmost < 0; ++x)
        for (int y = 28; y < 47; ++y)
            if (brightness(frame.pixel(x, y)) < brightness(kGalleryPanel) - 40)
            {
                leftmost = x;
                break;
            }
    EXPECT_GE(leftmost, 30);
    EXPECT_LE(leftmost, 32);
}
