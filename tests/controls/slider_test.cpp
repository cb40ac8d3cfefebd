// Slider (absolute pitch strip), LCDSlider (vertical fader) and Scrubber
// (pitch-range number box) through a headless frame.

#include "ControlHostDouble.h"
#include "GalleryHelpers.h"

#include "controls/Dial.h"
#include "controls/LCDDial.h"
#include "controls/LCDSlider.h"
#include "controls/Scrubber.h"
#include "controls/Slider.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace VSTGUI;

namespace {

int countOf(const std::vector<std::string>& log, const std::string& word)
{
    return static_cast<int>(std::count(log.begin(), log.end(), word));
}

// Mean brightness of a pixel (r + g + b) / 3.
double brightness(const CColor& c) { return (c.red + c.green + c.blue) / 3.0; }

struct SliderFixture : ::testing::Test
{
    TestFrame frame{ 1024, 480 };
    ControlHostDouble host;
    Slider* slider = frame.add(new Slider(CRect(0, 340, 1024, 360), &host, 10, 1));
};

} // namespace

TEST_F(SliderFixture, ValueIsThePointersFrameXAcrossTheNeedleSpan)
{
    frame.down(40, 350);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.f);
    frame.up(40, 350);
    frame.down(1000, 350);
    EXPECT_FLOAT_EQ(slider->getValue(), 1.f);
    frame.up(1000, 350);
    frame.down(513.5, 350);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.5f);
    frame.move(284.25, 350, kLButton);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.25f);
    frame.up(284.25, 350);
    EXPECT_EQ(host.changedValues, (std::vector<float>{ 0.f, 1.f, 0.5f, 0.25f }));
    EXPECT_EQ(host.begins, host.ends);
}

TEST_F(SliderFixture, VerticalMovesSendNothing)
{
    frame.down(300, 350);
    host.clear();
    frame.move(300, 300, kLButton);
    frame.move(300, 400, kLButton);
    EXPECT_EQ(countOf(host.log, "changed"), 0);
    frame.move(1010, 400, kLButton); // clamped to 972: one change ...
    frame.move(1020, 350, kLButton); // ... and none further right
    EXPECT_EQ(host.changedValues, (std::vector<float>{ 1.f }));
    EXPECT_EQ(host.begins, host.ends);
}

TEST_F(SliderFixture, HoverLightsItsNeedleAndShowsTheReadout)
{
    frame.move(500, 350);
    EXPECT_EQ(host.needles, (std::vector<int>{ 1 }));
    ASSERT_EQ(host.readouts.size(), 1u);
    EXPECT_EQ(host.readouts[0].section, 1);
    EXPECT_EQ(host.readouts[0].item, 1);
    EXPECT_EQ(frame.frame->getCursor(), kCursorHSize);
    frame.move(500, 200);
    EXPECT_EQ(host.needles, (std::vector<int>{ 1, 0 }));
    EXPECT_EQ(host.readouts.size(), 2u);
    EXPECT_EQ(frame.frame->getCursor(), kCursorDefault);
}

namespace {

// 103 pixels high: 100 pixels of drag cover the range.
struct LCDSliderFixture : ::testing::Test
{
    TestFrame frame{ 200, 260 };
    ControlHostDouble host;
    LCDSlider* slider = frame.add(new LCDSlider(CRect(100, 100, 130, 203), &host, 51, false));
};

} // namespace

TEST_F(LCDSliderFixture, HundredPixelsCoverTheRangeAndShiftATenth)
{
    frame.move(115, 150);
    frame.down(115, 150);
    frame.move(115, 100, kLButton);
    EXPECT_NEAR(slider->getValue(), 0.5f, 1e-6);
    frame.move(115, 100, kLButton | kShift);
    frame.move(115, 50, kLButton | kShift);
    EXPECT_NEAR(slider->getValue(), 0.55f, 1e-6);
    frame.move(140, 50, kLButton | kShift); // sideways does nothing
    EXPECT_NEAR(slider->getValue(), 0.55f, 1e-6);
    frame.up(140, 50);
    EXPECT_EQ(host.begins, host.ends);
    EXPECT_EQ(countOf(host.log, "changed"), 4);
}

TEST_F(LCDSliderFixture, InvertedSliderDragsUpsideDown)
{
    slider->setInverted(true);
    slider->setValue(0.5f);
    frame.move(115, 150);
    frame.down(115, 150);
    frame.move(115, 140, kLButton);
    EXPECT_NEAR(slider->getValue(), 0.4f, 1e-6);
    frame.up(115, 140);
    frame.wheel(115, 150, 1.f); // wheel up also lowers it
    EXPECT_NEAR(slider->getValue(), 0.399f, 1e-6);
}

TEST_F(LCDSliderFixture, MarkerSitsAtTheBottomOrTheTopWhenInverted)
{
    slider->setValue(0.f);
    frame.redraw();
    const double bottomRow = brightness(frame.pixel(115, 200));
    const double topRow = brightness(frame.pixel(115, 102));
    EXPECT_LT(bottomRow + 40, topRow); // dark marker near the bottom

    slider->setInverted(true);
    frame.redraw();
    EXPECT_LT(brightness(frame.pixel(115, 101)) + 40, brightness(frame.pixel(115, 199)));
}

TEST_F(LCDSliderFixture, HoverShowsTheTuningReadout)
{
    slider->setValue(0.25f);
    frame.move(115, 150);
    ASSERT_EQ(host.tuningReadouts.size(), 1u);
    EXPECT_FLOAT_EQ(host.tuningReadouts[0].first, 0.25f);
    EXPECT_EQ(host.tuningReadouts[0].second, 51);
    EXPECT_TRUE(slider->isHovered());
    EXPECT_EQ(frame.frame->getCursor(), kCursorVSize);
    frame.move(20, 20);
    EXPECT_EQ(host.tuningVisible, (std::vector<bool>{ true, false }));
    EXPECT_FALSE(slider->isHovered());
}

TEST(LCDSliderEdge, AFlatSliderStillDragsFinitely)
{
    TestFrame frame(200, 100);
    ControlHostDouble host;
    LCDSlider* flat = frame.add(new LCDSlider(CRect(10, 10, 40, 12), &host, 60, true));
    flat->setValue(0.5f);
    frame.move(20, 11);
    frame.down(20, 11);
    frame.move(20, 10, kLButton);
    EXPECT_GE(flat->getValue(), 0.f);
    EXPECT_LE(flat->getValue(), 1.f);
    EXPECT_FLOAT_EQ(flat->getValue(), 1.f);
}

namespace {

// Where the editor places it.
struct ScrubberFixture : ::testing::Test
{
    TestFrame frame{ 120, 480 };
    ControlHostDouble host;
    Scrubber* scrubber = frame.add(new Scrubber(CRect(6, 389, 32, 424), &host));

    // Leftmost column with dark ink in the text band, or -1.
    int leftmostInk()
    {
        frame.redraw();
        for (int x = 0; x < 40; ++x)
            for (int y = 396; y < 418; ++y)
                if (brightness(frame.pixel(x, y)) < brightness(kGalleryPanel) - 30)
                    return x;
        return -1;
    }
};

} // namespace

TEST_F(ScrubberFixture, ShowsWholeSemitonesWithTwoDigitsFurtherLeft)
{
    EXPECT_EQ(scrubber->getTag(), 44);
    scrubber->setValue(0.25f);
    EXPECT_EQ(scrubber->semitones(), 3);
    const int three = leftmostInk();
    scrubber->setValue(1.f);
    EXPECT_EQ(scrubber->semitones(), 12);
    const int twelve = leftmostInk();
    EXPECT_GE(three, 14);
    EXPECT_LE(three, 17);
    EXPECT_GE(twelve, 7);
    EXPECT_LT(twelve, 12);
}

TEST_F(ScrubberFixture, WheelStepsASemitoneAndStopsAtTheEnds)
{
    scrubber->setValue(1.f);
    frame.wheel(20, 400, 1.f);
    EXPECT_FLOAT_EQ(scrubber->getValue(), 1.f);
    scrubber->setValue(0.f);
    frame.wheel(20, 400, 0.f); // no distance counts as down
    EXPECT_FLOAT_EQ(scrubber->getValue(), 0.f);
    for (int notch = 1; notch <= 12; ++notch)
    {
        frame.wheel(20, 400, 1.f);
        EXPECT_EQ(scrubber->semitones(), notch) << "after " << notch << " notches";
    }
    EXPECT_EQ(host.begins, 14);
    EXPECT_EQ(host.ends, 14);
}

TEST_F(ScrubberFixture, DragsTwoAxisWithoutSnapping)
{
    frame.move(20, 400);
    EXPECT_TRUE(scrubber->isHovered());
    ASSERT_FALSE(host.readouts.empty());
    EXPECT_EQ(host.readouts.back().section, 4);
    EXPECT_EQ(host.readouts.back().item, 3);
    frame.down(20, 400);
    EXPECT_TRUE(frame.frame->isPointerHidden());
    frame.move(20, 390, kLButton);
    EXPECT_NEAR(scrubber->getValue(), 0.05f, 1e-6);
    frame.move(20, 200, kLButton | kShift); // no fine mode
    EXPECT_FLOAT_EQ(scrubber->getValue(), 1.f);
    frame.up(20, 200);
    EXPECT_FALSE(scrubber->isDragging());
}

TEST_F(SliderFixture, ARedrawSettlesTheInvisibleSlider)
{
    slider->setValue(0.3f);
    EXPECT_TRUE(slider->isDirty());
    frame.idle();
    EXPECT_FALSE(slider->isDirty()); // no repaint at every later idle
}

TEST(WheelControls, DisabledControlsLeaveTheWheelUnhandled)
{
    TestFrame frame(400, 480);
    ControlHostDouble host;
    std::vector<CControl*> controls{
        frame.add(new Dial(CRect(10, 10, 60, 60), &host, 1, 1, 0, 0.01f)),
        frame.add(new LCDDial(CRect(10, 100, 200, 140), &host, 101)),
        frame.add(new LCDSlider(CRect(250, 10, 280, 84), &host, 51, false)),
        frame.add(new Scrubber(CRect(6, 389, 32, 424), &host)),
    };
    for (CControl* control : controls)
    {
        control->setValue(0.5f);
        control->setMouseEnabled(false);
        EXPECT_FALSE(control->onWheel(control->getViewSize().getCenter(), 1.f, CButtonState(0)));
        EXPECT_FLOAT_EQ(control->getValue(), 0.5f);
        control->setMouseEnabled(true);
        EXPECT_TRUE(control->onWheel(control->getViewSize().getCenter(), 1.f, CButtonState(0)));
        EXPECT_GT(control->getValue(), 0.5f);
    }
    EXPECT_EQ(host.begins, 4);
    EXPECT_EQ(host.ends, 4);
}
