// The passive read-outs: pitch needles, LCD text line, program number,
// tuning read-out and the MIDI lamp, drawn through a headless frame.

#include "GalleryHelpers.h"

#include "controls/Display.h"
#include "controls/LCD_Display.h"
#include "controls/MidiSignal.h"
#include "controls/ProgNumber.h"
#include "controls/mt_Display.h"

#include <gtest/gtest.h>

#include <string>

using namespace VSTGUI;

namespace {

struct DisplayFixture : ::testing::Test
{
    TestFrame frame{1024, 480};
    Display* display = frame.add(new Display(CRect(0, 300, 1024, 480)));
};

} // namespace

TEST_F(DisplayFixture, NeedleAAtNoteOffsetZeroStaysWithinX45To65WithAHalfDarkNotch)
{
    display->setNeedleA(55 + 917 * 0.0); // parameter 10 at 0
    display->setNeedleB(700);
    frame.redraw();
    // Everything the needle draws lies in x 45..65, y 326..446.
    EXPECT_EQ(frame.inked(CRect(0, 300, 45, 480)), 0);
    EXPECT_EQ(frame.inked(CRect(65, 300, 600, 480)), 0);
    EXPECT_EQ(frame.inked(CRect(45, 300, 65, 326)), 0);
    EXPECT_EQ(frame.inked(CRect(45, 446, 65, 480)), 0);
    EXPECT_GT(frame.inked(CRect(45, 400, 65, 430)), 20); // the shaft reaches well down the keys
    // Notch: bitmap columns 16..19, rows 16..24, half-transparent black over the panel.
    for (int x = 61; x <= 64; ++x)
        for (int y = 342; y <= 350; ++y)
            EXPECT_TRUE(samePixel(frame.pixel(x, y), CColor(98, 84, 59, 255), 2)) << x << "," << y; // panel / 2
}

TEST_F(DisplayFixture, NeedleBStandsFifteenPixelsHigherAndLightsOnItsOwn)
{
    display->setNeedleA(200);
    display->setNeedleB(600);
    frame.redraw();
    EXPECT_EQ(frame.inked(CRect(590, 300, 610, 311)), 0);
    EXPECT_GT(frame.inked(CRect(590, 311, 610, 326)), 0);
    EXPECT_EQ(frame.inked(CRect(190, 300, 210, 326)), 0);
    // Sum of red + green over a needle: a lit needle glows warmer.
    auto warmth = [&](const CRect& r) {
        long sum = 0;
        for (int y = int(r.top); y < int(r.bottom); ++y)
            for (int x = int(r.left); x < int(r.right); ++x)
                sum += frame.pixel(x, y).red + frame.pixel(x, y).green;
        return sum;
    };
    const CRect a = Display::needleARect(200), b = Display::needleBRect(600);
    const long aPlain = warmth(a), bPlain = warmth(b);
    display->setHighlightedNeedle(2);
    frame.redraw();
    EXPECT_EQ(warmth(a), aPlain);
    EXPECT_GT(warmth(b), bPlain + 1000);
}

TEST(ReadoutTexts, ProgramNumberTuningPairAndLcdLine)
{
    char text[64];
    ProgNumber::formatNumber(7, text, sizeof(text));
    EXPECT_STREQ(text, "07:");

    mt_Display::formatPair(0.5f, 261.625565f, text, sizeof(text));
    EXPECT_STREQ(text, "0.5000 | 261.63hz");
    mt_Display::formatPair(0.25f, 12.0f, text, sizeof(text)); // exactly 12: a ratio
    EXPECT_STREQ(text, "0.2500 | 12.0000");
    mt_Display::formatPair(0.25f, 12.01f, text, sizeof(text));
    EXPECT_STREQ(text, "0.2500 | 12.01hz");

    LCD_Display line(CRect(83, 57, 252, 90));
    EXPECT_STREQ(line.getText(), "Body");
    line.setText(std::string(300, 'x').c_str()); // cut, never past the buffer
    EXPECT_EQ(std::string(line.getText()), std::string(127, 'x'));
    line.setStoredValue(15, 0.25f);
    line.setStoredValue(LCD_Display::kStoredValueCount, 1.f); // ignored
    EXPECT_FLOAT_EQ(line.getStoredValue(15), 0.25f);
    EXPECT_FLOAT_EQ(line.getStoredValue(LCD_Display::kStoredValueCount), 0.f);
}

TEST(MidiSignalFade, FlashFadesOverTwentyRedrawsThenStaysDark)
{
    // The lamp colour laid twice over black at alpha a/255 (outer then inner ellipse).
    auto expectedRed = [](int alpha) { return 255.0 * (1.0 - (1.0 - alpha / 255.0) * (1.0 - alpha / 255.0)); };
    TestFrame frame(100, 100, CColor(0, 0, 0, 255));
    auto* lamp = frame.add(new MidiSignal(CRect(20, 20, 60, 60)));
    frame.redraw();
    lamp->flash(false); // a batch without events lights nothing
    EXPECT_FALSE(lamp->isDirty());
    lamp->flash(true);
    int redraws = 0;
    for (int alpha : {125, 118, 112, 106})
    {
        frame.idle();
        ++redraws;
        EXPECT_NEAR(frame.pixel(40, 40).red, expectedRed(alpha), 1.5) << redraws;
    }
    for (; redraws < 19; ++redraws)
        frame.idle();
    EXPECT_GT(frame.pixel(40, 40).red, 0); // still glowing at the 19th redraw
    for (; redraws < 23; ++redraws)
        frame.idle();
    EXPECT_EQ(frame.pixel(40, 40).red, 0);
    EXPECT_FALSE(lamp->isDirty()); // dark: no more redraws

    lamp->setLevel(3.f); // above full shows as full
    frame.idle();
    EXPECT_NEAR(frame.pixel(40, 40).red, expectedRed(125), 1.5);
}
