// Switcher (stepped switch with a lit thumb) and Trigger (every button style)
// through a headless frame, as a user clicks, drags and hovers them.

#include "ControlHostDouble.h"
#include "GalleryHelpers.h"

#include "controls/Switcher.h"
#include "controls/Trigger.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace VSTGUI;

namespace {

// The switcher and the triggers, at places that do not overlap.
struct SwitchFixture : ::testing::Test
{
    TestFrame frame{1024, 200};
    ControlHostDouble host;
    // Three positions (steps 2), 47 wide: the thumb is 21 pixels wide.
    Switcher* sw = frame.add(new Switcher(CRect(100, 50, 147, 62), &host, 36, 3, 13, 2));

    std::pair<int, int> thumbColumns(float value, int y = 56)
    {
        sw->setValue(value);
        frame.redraw();
        return frame.inkedSpan(y, 90, 160);
    }
    float dragTo(double x, double y = 56)
    {
        frame.move(x, y, kLButton);
        return sw->getValue();
    }
    // Press on a box button at (x, 20), visit each point, release at the last.
    void choose(double x, std::initializer_list<std::pair<double, double>> path)
    {
        frame.down(x, 20);
        std::pair<double, double> at{x, 20};
        for (auto p : path)
            frame.move((at = p).first, p.second, kLButton);
        frame.up(at.first, at.second);
    }
};

} // namespace

TEST_F(SwitchFixture, SwitcherThumbSitsAtTwelvePixelSteps)
{
    EXPECT_EQ(thumbColumns(0.f), std::make_pair(100, 120));
    EXPECT_EQ(thumbColumns(0.5f), std::make_pair(112, 132));
    EXPECT_EQ(thumbColumns(1.f), std::make_pair(124, 144));
    EXPECT_EQ(thumbColumns(0.49f).first, 100); // between positions: the lower one
    // The thumb fills the switch's height and nothing above or below.
    EXPECT_EQ(thumbColumns(0.f, 49).first, -1);
    EXPECT_EQ(thumbColumns(0.f, 62).first, -1);
    EXPECT_NE(thumbColumns(0.f, 61).first, -1);
}

TEST_F(SwitchFixture, SwitcherDraggingOneStepWidthMovesOneStepFromTheAnchor)
{
    frame.down(110, 56);
    EXPECT_FLOAT_EQ(dragTo(133), 0.f); // 23 px: less than a step (23.5)
    EXPECT_FLOAT_EQ(dragTo(133.5), 0.5f);
    EXPECT_FLOAT_EQ(dragTo(133.5, 10), 0.5f); // vertical movement changes nothing
    EXPECT_FLOAT_EQ(dragTo(250), 1.f); // far right: clamped to the last position
    EXPECT_FLOAT_EQ(dragTo(110), 0.f); // back at the anchor: computed from it, not accumulated
    frame.up(110, 56);
    EXPECT_EQ(host.count("changed"), 5);
    EXPECT_TRUE(host.bracketed(6)); // the press and one short gesture per move
}

TEST_F(SwitchFixture, SwitcherHoverShowsTheReadoutAndLightsTheThumb)
{
    frame.redraw();
    const CColor plain = frame.pixel(105, 56);
    frame.move(120, 56);
    EXPECT_TRUE(sw->isHovered());
    EXPECT_EQ(frame.frame->getCursor(), kCursorHSize);
    EXPECT_EQ(host.readouts, (std::vector<ControlHostDouble::Readout>{{3, 13}}));
    frame.idle();
    EXPECT_FALSE(samePixel(plain, frame.pixel(105, 56), 8)); // the glow changes the thumb's colour

    frame.move(200, 20);
    frame.idle();
    EXPECT_TRUE(samePixel(frame.pixel(105, 56), plain, 1)); // and goes when the pointer leaves
}

TEST_F(SwitchFixture, SwitcherWithZeroStepsActsAsTwoPositions)
{
    auto* two = frame.add(new Switcher(CRect(20, 20, 57, 32), &host, 19, 2, 8, 0));
    EXPECT_TRUE(frame.wheel(30, 26, 1.f));
    EXPECT_FLOAT_EQ(two->getValue(), 1.f);
    frame.down(50, 26);
    frame.move(10, 26, kLButton); // one switch width (37) to the left
    frame.up(10, 26);
    EXPECT_FLOAT_EQ(two->getValue(), 0.f);
}

TEST_F(SwitchFixture, TabIsInvisibleWhenInactiveAndGlowsWhenActive)
{
    const CRect label(476, 44, 574, 71);
    auto* tab = frame.add(new Trigger(label, &host, 118, Trigger::kTabPresets));
    frame.redraw();
    EXPECT_EQ(frame.inked(label), 0);
    tab->setValue(1.f);
    frame.redraw();
    EXPECT_GT(frame.inked(label), 60);
    frame.click(500, 55); // reports the tag with the value unchanged
    EXPECT_EQ(host.changedValues, (std::vector<float>{1.f}));
}

TEST_F(SwitchFixture, LoadAndSaveBoxesReportNoneFirstOrSecondEntry)
{
    frame.add(new Trigger(CRect(900, 14, 919, 26), &host, 117, Trigger::kLoad));
    auto* save = frame.add(new Trigger(CRect(930, 14, 949, 26), &host, 116, Trigger::kSave));
    const CRect box(805, 38, 985, 82);
    frame.redraw();
    EXPECT_EQ(frame.inked(box), 0);
    frame.down(909, 20);
    frame.idle();
    EXPECT_GT(frame.inked(box), 180 * 44 / 2); // the box shows while the button is held
    // Its outline is ink like the rest of the box: never lighter than the
    // ink rim just inside it, and well darker than the panel.
    int lightEdges = 0;
    for (int x = 806; x < 984; ++x)
        for (auto [edge, rim] : {std::pair{38, 40}, std::pair{81, 79}})
            lightEdges += brightness(frame.pixel(x, edge)) > brightness(frame.pixel(x, rim)) ? 1 : 0;
    for (int y = 39; y < 81; ++y)
        for (auto [edge, rim] : {std::pair{805, 807}, std::pair{984, 982}})
            lightEdges += brightness(frame.pixel(edge, y)) > brightness(frame.pixel(rim, y)) ? 1 : 0;
    EXPECT_EQ(lightEdges, 0);
    EXPECT_LT(brightness(frame.pixel(900, 38)), brightness(kGalleryPanel) - 40);
    frame.move(850, 50, kLButton);
    frame.up(850, 50);
    frame.idle();
    EXPECT_EQ(frame.inked(box), 0); // and is gone after release

    choose(909, {}); // released without moving into the box: 0
    choose(909, {{850, 45}, {850, 70}}); // "LOAD BANK": 2
    choose(909, {{850, 45}, {850, 90}}); // passed an entry, left the box: 0
    // The save box opens at the same place; its edges belong to the entries.
    choose(939, {{806, 61}}); // the box's own margin is no entry
    choose(939, {{807, 60}}); // the second entry's left and top edges are inside
    EXPECT_EQ(host.changedValues, (std::vector<float>{1.f, 0.f, 2.f, 0.f, 0.f, 2.f})); // opening tells nothing
    EXPECT_EQ(save->getStyle(), Trigger::kSaveClosing);
    frame.idle();
    EXPECT_EQ(save->getStyle(), Trigger::kSave);
}

TEST_F(SwitchFixture, SecondPressBeforeRedrawOpensTheBoxAgainInsteadOfRepeatingTheChoice)
{
    auto* load = frame.add(new Trigger(CRect(900, 14, 919, 26), &host, 117, Trigger::kLoad));
    choose(909, {{850, 70}}); // "LOAD BANK"; the editor may now block in a file dialog
    ASSERT_EQ(host.changedValues, (std::vector<float>{2.f}));
    frame.down(909, 20); // no redraw in between
    EXPECT_TRUE(load->isBoxOpen());
    EXPECT_EQ(host.changedValues.size(), 1u);
    frame.up(909, 20);
    EXPECT_EQ(host.changedValues, (std::vector<float>{2.f, 0.f}));
}

TEST_F(SwitchFixture, TwoWaySwitchesReportTheirTwoValuesAndShadeTheChosenSide)
{
    // Style, tag, first x of the right side (middle - 20 for NOTES / PITCH BEND), its value.
    const std::tuple<uint8_t, int32_t, double, float> kinds[] = {{Trigger::kNotesPitchBend, 121, 545, 1.f},
                                                                 {Trigger::kDelaySand, 128, 565, 0.34f},
                                                                 {Trigger::kLfoEnv, 126, 565, 0.34f}};
    for (auto [style, tag, split, right] : kinds)
    {
        host.clear();
        auto* t = frame.add(new Trigger(CRect(485, 74, 645, 94), &host, tag, style));
        frame.click(split - 1, 84);
        frame.click(split, 84);
        EXPECT_EQ(host.changedValues, (std::vector<float>{0.f, right})) << int(style);
        EXPECT_TRUE(host.bracketed(2));
        frame.frame->removeView(t);
    }
    // Away from the labels: the chosen side is filled with ink, the other not.
    auto* delay = frame.add(new Trigger(CRect(485, 74, 645, 94), &host, 128, Trigger::kDelaySand));
    auto redAt = [&](float v, int x) {
        delay->setValue(v);
        frame.redraw();
        return frame.pixel(x, 91).red;
    };
    EXPECT_LT(redAt(0.34f, 630), redAt(0.f, 630));
    EXPECT_GT(redAt(0.34f, 500), redAt(0.f, 500));
}

TEST_F(SwitchFixture, TogglesFlipAndTheInvisibleAreaStillReports)
{
    frame.add(new Trigger(CRect(617, 133, 667, 153), &host, 95, Trigger::kEchoSync));
    frame.add(new Trigger(CRect(10, 10, 60, 40), &host, 130, Trigger::kInvisible));
    frame.redraw();
    EXPECT_EQ(frame.inked(CRect(10, 10, 60, 40)), 0);
    frame.click(640, 140);
    frame.click(640, 140);
    frame.click(20, 20);
    EXPECT_EQ(host.changedValues, (std::vector<float>{1.f, 0.f, 0.f}));
    frame.move(20, 20);
    frame.idle();
    EXPECT_EQ(frame.inked(CRect(10, 10, 60, 40)), 0); // hovered, still invisible
    EXPECT_EQ(frame.frame->getCursor(), kCursorHand);
}
