// Switcher (stepped switch with a lit thumb) and Trigger (every button style)
// through a headless frame, as a user clicks, drags and hovers them.

#include "ControlHostDouble.h"
#include "GalleryHelpers.h"

#include "controls/Switcher.h"
#include "controls/Trigger.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace VSTGUI;

namespace {

int countOf(const std::vector<std::string>& log, const std::string& word)
{
    return static_cast<int>(std::count(log.begin(), log.end(), word));
}

bool samePixel(const CColor& a, const CColor& b, int tolerance = 0)
{
    return std::abs(a.red - b.red) <= tolerance && std::abs(a.green - b.green) <= tolerance &&
           std::abs(a.blue - b.blue) <= tolerance;
}

// Number of pixels in r that differ from the plain panel.
int inkedPixels(const TestFrame& f, const CRect& r)
{
    int n = 0;
    for (int y = static_cast<int>(r.top); y < static_cast<int>(r.bottom); ++y)
        for (int x = static_cast<int>(r.left); x < static_cast<int>(r.right); ++x)
            n += samePixel(f.pixel(x, y), kGalleryPanel) ? 0 : 1;
    return n;
}

// ---------------------------------------------------------------------------
// Switcher

struct SwitcherFixture : ::testing::Test
{
    TestFrame frame{ 300, 100 };
    ControlHostDouble host;
    // Three positions (steps 2), 47 wide: the thumb is 21 pixels wide.
    Switcher* sw = frame.add(new Switcher(CRect(100, 50, 147, 62), &host, 36, 3, 13, 2));

    // First and last lit column of the thumb on row y.
    std::pair<int, int> thumbColumns(int y)
    {
        frame.redraw();
        int first = -1, last = -1;
        for (int x = 90; x < 160; ++x)
            if (!samePixel(frame.pixel(x, y), kGalleryPanel))
            {
                if (first < 0)
                    first = x;
                last = x;
            }
        return { first, last };
    }
};

TEST_F(SwitcherFixture, ThumbSitsAtTwelvePixelSteps)
{
    sw->setValue(0.f);
    EXPECT_EQ(thumbColumns(56), std::make_pair(100, 120));
    sw->setValue(0.5f);
    EXPECT_EQ(thumbColumns(56), std::make_pair(112, 132));
    sw->setValue(1.f);
    EXPECT_EQ(thumbColumns(56), std::make_pair(124, 144));
    // Values between positions show the lower one.
    sw->setValue(0.49f);
    EXPECT_EQ(thumbColumns(56).first, 100);
    // The thumb fills the switch's height and nothing above or below.
    EXPECT_EQ(thumbColumns(49).first, -1);
    EXPECT_EQ(thumbColumns(62).first, -1);
    EXPECT_NE(thumbColumns(61).first, -1);
}

TEST_F(SwitcherFixture, DraggingRightOneStepWidthRaisesOneStep)
{
    frame.down(110, 56);
    EXPECT_EQ(host.begins, 1);
    EXPECT_EQ(host.ends, 1);
    host.clear();
    frame.move(133, 56, kLButton); // 23 px: less than a step (23.5)
    EXPECT_FLOAT_EQ(sw->getValue(), 0.f);
    frame.move(133.5, 56, kLButton);
    EXPECT_FLOAT_EQ(sw->getValue(), 0.5f);
    frame.move(133.5, 10, kLButton); // vertical movement changes nothing
    EXPECT_FLOAT_EQ(sw->getValue(), 0.5f);
    frame.move(250, 56, kLButton); // far right: clamped to the last position
    EXPECT_FLOAT_EQ(sw->getValue(), 1.f);
    frame.move(110, 56, kLButton); // back at the anchor: computed from it, not accumulated
    EXPECT_FLOAT_EQ(sw->getValue(), 0.f);
    frame.up(110, 56);
    EXPECT_EQ(countOf(host.log, "changed"), 5);
    EXPECT_EQ(host.begins, 5); // one short gesture per move
    EXPECT_EQ(host.ends, 5);
    host.clear();
    frame.move(200, 56); // after release nothing follows the pointer
    EXPECT_EQ(countOf(host.log, "changed"), 0);
}

TEST_F(SwitcherFixture, WheelStepsOnePositionAndClamps)
{
    sw->setValue(1.f);
    EXPECT_TRUE(frame.wheel(110, 56, 1.f));
    EXPECT_FLOAT_EQ(sw->getValue(), 1.f);
    EXPECT_TRUE(frame.wheel(110, 56, -1.f));
    EXPECT_FLOAT_EQ(sw->getValue(), 0.5f);
    EXPECT_TRUE(frame.wheel(110, 56, 0.f)); // no distance counts as down
    EXPECT_FLOAT_EQ(sw->getValue(), 0.f);
    EXPECT_TRUE(frame.wheel(110, 56, -3.f));
    EXPECT_FLOAT_EQ(sw->getValue(), 0.f);
    EXPECT_EQ(host.changedValues, (std::vector<float>{ 1.f, 0.5f, 0.f, 0.f }));
    EXPECT_EQ(host.begins, 4);
    EXPECT_EQ(host.ends, 4);

    sw->setMouseEnabled(false);
    EXPECT_FALSE(sw->onWheel(CPoint(110, 56), 1.f, CButtonState(0)));
    EXPECT_FLOAT_EQ(sw->getValue(), 0.f);
}

TEST_F(SwitcherFixture, HoverShowsTheReadoutAndLightsTheThumb)
{
    frame.redraw();
    const CColor plain = frame.pixel(105, 56);
    frame.move(120, 56);
    EXPECT_TRUE(sw->isHovered());
    EXPECT_EQ(frame.frame->getCursor(), kCursorHSize);
    ASSERT_EQ(host.readouts.size(), 1u);
    EXPECT_EQ(host.readouts[0].section, 3);
    EXPECT_EQ(host.readouts[0].item, 13);
    frame.idle();
    const CColor lit = frame.pixel(105, 56);
    EXPECT_FALSE(samePixel(plain, lit, 8)); // the glow changes the thumb's colour

    frame.move(200, 20);
    EXPECT_FALSE(sw->isHovered());
    EXPECT_EQ(frame.frame->getCursor(), kCursorDefault);
    EXPECT_EQ(host.readouts.size(), 2u);
    frame.idle();
    EXPECT_TRUE(samePixel(frame.pixel(105, 56), plain, 1));

    sw->setReadoutSection(1);
    frame.move(120, 56);
    EXPECT_EQ(host.readouts.back().section, 1);
}

TEST(SwitcherSteps, ZeroStepsActsAsTwoPositions)
{
    TestFrame frame(200, 60);
    ControlHostDouble host;
    auto* sw = frame.add(new Switcher(CRect(20, 20, 57, 32), &host, 19, 2, 8, 0));
    EXPECT_TRUE(frame.wheel(30, 26, 1.f));
    EXPECT_FLOAT_EQ(sw->getValue(), 1.f);
    frame.down(50, 26);
    frame.move(10, 26, kLButton); // one switch width (37) to the left
    frame.up(10, 26);
    EXPECT_FLOAT_EQ(sw->getValue(), 0.f);
}

// ---------------------------------------------------------------------------
// Trigger

struct TriggerFixture : ::testing::Test
{
    TestFrame frame{ 1024, 200 };
    ControlHostDouble host;
};

TEST_F(TriggerFixture, TabIsInvisibleWhenInactiveAndGlowsWhenActive)
{
    auto* tab = frame.add(new Trigger(CRect(476, 44, 574, 71), &host, 118, Trigger::kTabPresets));
    const CRect label(476, 44, 574, 71);
    tab->setValue(0.f);
    frame.redraw();
    EXPECT_EQ(inkedPixels(frame, label), 0);
    tab->setValue(1.f);
    frame.redraw();
    EXPECT_GT(inkedPixels(frame, label), 60);
    // A click reports the tag with the value unchanged.
    frame.down(500, 55);
    frame.up(500, 55);
    EXPECT_EQ(host.changedValues, (std::vector<float>{ 1.f }));
}

TEST_F(TriggerFixture, LoadBoxReportsNoneFirstOrSecondEntry)
{
    auto* load = frame.add(new Trigger(CRect(900, 14, 919, 26), &host, 117, Trigger::kLoad));
    const CRect box(805, 38, 985, 82);

    frame.redraw();
    EXPECT_EQ(inkedPixels(frame, box), 0);

    // Press and release without moving into the box: 0.
    frame.down(909, 20);
    EXPECT_TRUE(load->isBoxOpen());
    EXPECT_EQ(load->getBox(), box);
    frame.idle();
    EXPECT_GT(inkedPixels(frame, box), 180 * 44 / 2); // the box shows while the button is held
    frame.up(909, 20);
    EXPECT_FALSE(load->isBoxOpen());
    frame.idle();
    EXPECT_EQ(inkedPixels(frame, box), 0); // and is gone after release
    EXPECT_EQ(load->getStyle(), Trigger::kLoad);

    // Press, move onto "LOAD BANK", release: 2.
    frame.down(909, 20);
    frame.move(850, 50, kLButton); // first entry
    EXPECT_EQ(load->getChoice(), 1);
    frame.move(850, 70, kLButton); // second entry
    EXPECT_EQ(load->getChoice(), 2);
    frame.up(850, 70);
    // Press, move onto "LOAD PRESET", release: 1.
    frame.down(909, 20);
    frame.move(850, 45, kLButton);
    frame.up(850, 45);
    // Press, pass over an entry, leave the box, release: 0.
    frame.down(909, 20);
    frame.move(850, 45, kLButton);
    frame.move(850, 90, kLButton);
    frame.up(850, 90);

    EXPECT_EQ(host.changedValues, (std::vector<float>{ 0.f, 2.f, 1.f, 0.f }));
    // Opening the box tells the listener nothing; only the release does.
    EXPECT_EQ(countOf(host.log, "changed"), 4);
}

TEST_F(TriggerFixture, SaveBoxOpensFurtherLeft)
{
    auto* save = frame.add(new Trigger(CRect(930, 14, 949, 26), &host, 116, Trigger::kSave));
    frame.down(939, 20);
    EXPECT_EQ(save->getBox(), CRect(805, 38, 985, 82));
    frame.move(806, 61, kLButton); // the box's own margin is no entry
    EXPECT_EQ(save->getChoice(), 0);
    frame.move(807, 60, kLButton); // left and top edges of the second entry are inside
    EXPECT_EQ(save->getChoice(), 2);
    frame.move(983, 61, kLButton); // the right edge (807 + 176) is outside
    EXPECT_EQ(save->getChoice(), 0);
    frame.move(982.5, 61, kLButton);
    frame.up(982.5, 61);
    EXPECT_EQ(host.changedValues, (std::vector<float>{ 2.f }));
    EXPECT_EQ(save->getStyle(), Trigger::kSaveClosing);
    frame.idle();
    EXPECT_EQ(save->getStyle(), Trigger::kSave);
}

TEST_F(TriggerFixture, SecondPressBeforeRedrawOpensTheBoxAgainInsteadOfRepeatingTheChoice)
{
    auto* load = frame.add(new Trigger(CRect(900, 14, 919, 26), &host, 117, Trigger::kLoad));
    frame.down(909, 20);
    frame.move(850, 70, kLButton);
    frame.up(850, 70); // "LOAD BANK"; the editor may now block in a file dialog
    ASSERT_EQ(host.changedValues, (std::vector<float>{ 2.f }));
    frame.down(909, 20); // no redraw in between
    EXPECT_TRUE(load->isBoxOpen());
    EXPECT_EQ(host.changedValues.size(), 1u);
    frame.up(909, 20);
    EXPECT_EQ(host.changedValues, (std::vector<float>{ 2.f, 0.f }));
}

TEST_F(TriggerFixture, TwoWaySwitchesReportTheirTwoValues)
{
    auto* notes = frame.add(new Trigger(CRect(485, 74, 645, 94), &host, 121, Trigger::kNotesPitchBend));
    frame.down(544, 84); // left of the middle minus 20 (545)
    frame.up(544, 84);
    frame.down(545, 84);
    frame.up(545, 84);
    EXPECT_EQ(host.changedValues, (std::vector<float>{ 0.f, 1.f }));
    EXPECT_FLOAT_EQ(notes->getValue(), 1.f);
    EXPECT_EQ(host.begins, 2);
    EXPECT_EQ(host.ends, 2);

    frame.frame->removeView(notes);
    host.clear();
    frame.add(new Trigger(CRect(485, 74, 645, 94), &host, 128, Trigger::kDelaySand));
    frame.down(564, 84);
    frame.up(564, 84);
    frame.down(565, 84);
    frame.up(565, 84);
    EXPECT_EQ(host.changedValues, (std::vector<float>{ 0.f, 0.34f }));
    EXPECT_EQ(host.begins, 2);
}

TEST_F(TriggerFixture, TwoWaySwitchShadesTheChosenSide)
{
    auto* delay = frame.add(new Trigger(CRect(485, 74, 645, 94), &host, 128, Trigger::kDelaySand));
    // Sample a pixel in each half away from the labels.
    const int y = 91;
    delay->setValue(0.f);
    frame.redraw();
    const CColor left0 = frame.pixel(500, y), right0 = frame.pixel(630, y);
    delay->setValue(0.34f);
    frame.redraw();
    const CColor left1 = frame.pixel(500, y), right1 = frame.pixel(630, y);
    EXPECT_LT(right1.red, right0.red);  // the right part is now filled with ink
    EXPECT_GT(left1.red, left0.red);    // and the left part no longer
    // At 0.34 the right label keeps its normal alpha; at 1 it is darker.
    auto labelInk = [&](float v) {
        delay->setValue(v);
        frame.redraw();
        int n = 0;
        for (int x = 568; x < 610; ++x)
            for (int yy = 76; yy < 92; ++yy)
                n += frame.pixel(x, yy).red < right1.red - 40 ? 1 : 0;
        return n;
    };
    EXPECT_GT(labelInk(1.f), labelInk(0.34f));
}

TEST_F(TriggerFixture, TogglesFlipAndInvisibleAreaStillReports)
{
    auto* sync = frame.add(new Trigger(CRect(617, 133, 667, 153), &host, 95, Trigger::kEchoSync));
    auto* area = frame.add(new Trigger(CRect(10, 10, 60, 40), &host, 130, Trigger::kInvisible));
    frame.redraw();
    EXPECT_EQ(inkedPixels(frame, CRect(10, 10, 60, 40)), 0);
    frame.down(640, 140);
    frame.up(640, 140);
    frame.down(640, 140);
    frame.up(640, 140);
    frame.down(20, 20);
    frame.up(20, 20);
    EXPECT_EQ(host.changedValues, (std::vector<float>{ 1.f, 0.f, 0.f }));
    EXPECT_FLOAT_EQ(sync->getValue(), 0.f);
    EXPECT_FLOAT_EQ(area->getValue(), 0.f);
    frame.move(20, 20);
    frame.idle();
    EXPECT_EQ(inkedPixels(frame, CRect(10, 10, 60, 40)), 0); // hovered, still invisible
    EXPECT_EQ(frame.frame->getCursor(), kCursorHand);
}

} // namespace
