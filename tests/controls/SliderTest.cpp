// Slider (absolute pitch strip), LCDSlider (vertical fader) and Scrubber
// (pitch-range number box) through a headless frame.

#include "ControlHostDouble.h"
#include "GalleryHelpers.h"

#include "controls/LCDSlider.h"
#include "controls/Scrubber.h"
#include "controls/Slider.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace VSTGUI;

namespace {

// Where the editor places the strip and the scrubber; the LCD slider is 103
// pixels high: 100 pixels of drag cover the range.
struct StripFixture : ::testing::Test
{
    TestFrame frame{1024, 480};
    ControlHostDouble host;
    Slider* strip = frame.add(new Slider(CRect(0, 340, 1024, 360), &host, 10, 1));
    LCDSlider* slider = frame.add(new LCDSlider(CRect(100, 100, 130, 203), &host, 51, false));
    Scrubber* scrubber = frame.add(new Scrubber(CRect(6, 389, 32, 424), &host));
};

} // namespace

TEST_F(StripFixture, SliderValueIsThePointersFrameXAndVerticalMovesSendNothing)
{
    frame.click(40, 350);
    frame.click(1000, 350);
    frame.down(513.5, 350);
    frame.move(284.25, 350, kLButton);
    frame.move(284.25, 300, kLButton); // vertical: nothing
    frame.move(284.25, 400, kLButton);
    frame.move(1010, 400, kLButton); // clamped to 972: one change ...
    frame.move(1020, 350, kLButton); // ... and none further right
    frame.up(1020, 350);
    EXPECT_EQ(host.changedValues, (std::vector<float>{0.f, 1.f, 0.5f, 0.25f, 1.f}));
    EXPECT_TRUE(host.bracketed(8)); // one gesture per press and per move

    // Hover lights its needle, shows the read-out; leaving undoes both.
    frame.move(500, 200);
    host.clear();
    frame.move(500, 350);
    EXPECT_EQ(host.needles, (std::vector<int>{1}));
    EXPECT_EQ(host.readouts, (std::vector<ControlHostDouble::Readout>{{1, 1}}));
    EXPECT_EQ(frame.frame->getCursor(), kCursorHSize);
    frame.move(500, 200);
    EXPECT_EQ(host.needles, (std::vector<int>{1, 0}));
    EXPECT_EQ(host.readouts.size(), 2u);
    EXPECT_EQ(frame.frame->getCursor(), kCursorDefault);

    // It draws nothing, but a redraw settles it: no repaint at every later idle.
    strip->setValue(0.3f);
    frame.idle();
    EXPECT_FALSE(strip->isDirty());
}

TEST_F(StripFixture, LcdSliderHundredPixelsCoverTheRangeShiftATenthInvertedUpsideDown)
{
    frame.move(115, 150);
    frame.down(115, 150);
    frame.move(115, 100, kLButton);
    EXPECT_NEAR(slider->getValue(), 0.5f, 1e-6);
    frame.move(115, 100, kLButton | kShift);
    frame.move(115, 50, kLButton | kShift);
    EXPECT_NEAR(slider->getValue(), 0.55f, 1e-6);
    frame.up(115, 50);
    EXPECT_TRUE(host.bracketed(4));
    EXPECT_EQ(host.count("changed"), 3);

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

TEST_F(StripFixture, LcdSliderMarkerSitsAtTheBottomOrTheTopWhenInverted)
{
    slider->setValue(0.f);
    frame.redraw();
    EXPECT_LT(brightness(frame.pixel(115, 200)) + 40, brightness(frame.pixel(115, 102)));
    slider->setInverted(true);
    frame.redraw();
    EXPECT_LT(brightness(frame.pixel(115, 101)) + 40, brightness(frame.pixel(115, 199)));
}

TEST_F(StripFixture, LcdSliderFillIsTheInkBlendedOverThePanel)
{
    // An emphasised slider fills its box with the ink (30, 20, 10) at alpha 70;
    // away from its lines a pixel is exactly that blend over the panel.
    LCDSlider* dark = frame.add(new LCDSlider(CRect(200, 100, 230, 203), &host, 52, true));
    dark->setValue(0.f);
    frame.redraw();
    const double a = 70.0 / 255.0;
    const CColor expected(static_cast<uint8_t>(std::lround(kGalleryPanel.red * (1 - a) + 30 * a)),
                          static_cast<uint8_t>(std::lround(kGalleryPanel.green * (1 - a) + 20 * a)),
                          static_cast<uint8_t>(std::lround(kGalleryPanel.blue * (1 - a) + 10 * a)));
    const CColor drawn = frame.pixel(215, 120);
    EXPECT_TRUE(samePixel(drawn, expected, 1))
        << int(drawn.red) << "," << int(drawn.green) << "," << int(drawn.blue) << " expected " << int(expected.red)
        << "," << int(expected.green) << "," << int(expected.blue);
}

TEST_F(StripFixture, LcdSliderHoverShowsTheTuningReadout)
{
    slider->setValue(0.25f);
    frame.move(115, 150);
    EXPECT_EQ(host.tuningReadouts, (std::vector<std::pair<float, int32_t>>{{0.25f, 51}}));
    EXPECT_EQ(frame.frame->getCursor(), kCursorVSize);
    frame.move(20, 20);
    EXPECT_EQ(host.tuningVisible, (std::vector<bool>{true, false}));
}

TEST_F(StripFixture, AFlatLcdSliderStillDragsFinitely)
{
    LCDSlider* flat = frame.add(new LCDSlider(CRect(10, 10, 40, 12), &host, 60, true));
    flat->setValue(0.5f);
    frame.move(20, 11);
    frame.down(20, 11);
    frame.move(20, 10, kLButton);
    EXPECT_FLOAT_EQ(flat->getValue(), 1.f);
}

TEST_F(StripFixture, ScrubberWheelStepsASemitoneAndStopsAtTheEnds)
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
    EXPECT_TRUE(host.bracketed(14));
}

TEST_F(StripFixture, ScrubberDragsTwoAxisWithoutSnappingOrFineMode)
{
    frame.move(20, 400);
    EXPECT_EQ(host.readouts, (std::vector<ControlHostDouble::Readout>{{4, 3}}));
    frame.down(20, 400);
    EXPECT_TRUE(frame.frame->isPointerHidden());
    frame.move(20, 390, kLButton);
    EXPECT_NEAR(scrubber->getValue(), 0.05f, 1e-6);
    frame.move(20, 200, kLButton | kShift);
    EXPECT_FLOAT_EQ(scrubber->getValue(), 1.f);
    frame.up(20, 200);
    EXPECT_FALSE(frame.frame->isPointerHidden());
}
