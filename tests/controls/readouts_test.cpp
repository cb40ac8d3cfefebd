// The passive read-outs: pitch needles, LCD text line, program number,
// tuning read-out and the MIDI lamp, drawn through a headless frame.

#include "GalleryHelpers.h"

#include "controls/Display.h"
#include "controls/LCD_Display.h"
#include "controls/MidiSignal.h"
#include "controls/ProgNumber.h"
#include "controls/mt_Display.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

using namespace VSTGUI;

namespace {

bool isPanel(const CColor& c, int tolerance = 0)
{
    return std::abs(c.red - kGalleryPanel.red) <= tolerance && std::abs(c.green - kGalleryPanel.green) <= tolerance &&
           std::abs(c.blue - kGalleryPanel.blue) <= tolerance;
}

int inkedPixels(const TestFrame& f, const CRect& r)
{
    int n = 0;
    for (int y = static_cast<int>(r.top); y < static_cast<int>(r.bottom); ++y)
        for (int x = static_cast<int>(r.left); x < static_cast<int>(r.right); ++x)
            n += isPanel(f.pixel(x, y)) ? 0 : 1;
    return n;
}

// Sum of red + green over a rectangle: a lit needle glows warmer.
long warmth(const TestFrame& f, const CRect& r)
{
    long sum = 0;
    for (int y = static_cast<int>(r.top); y < static_cast<int>(r.bottom); ++y)
        for (int x = static_cast<int>(r.left); x < static_cast<int>(r.right); ++x)
            sum += f.pixel(x, y).red + f.pixel(x, y).green;
    return sum;
}

// Lit columns of row y between x0 and x1: first and last.
std::pair<int, int> litSpan(const TestFrame& f, int y, int x0, int x1)
{
    int first = -1, last = -1;
    for (int x = x0; x < x1; ++x)
        if (!isPanel(f.pixel(x, y)))
        {
            if (first < 0)
                first = x;
            last = x;
        }
    return { first, last };
}

// ---------------------------------------------------------------------------
// Display: the two pitch needles

struct DisplayFixture : ::testing::Test
{
    TestFrame frame{ 1024, 480 };
    Display* display = frame.add(new Display(CRect(0, 300, 1024, 480)));
};

TEST_F(DisplayFixture, NeedleAAtNoteOffsetZeroStandsOverFrameX55)
{
    display->setNeedleA(55 + 917 * 0.0);
    display->setNeedleB(700);
    frame.redraw();
    // Everything the needle draws lies in x 45..65, y 326..446.
    EXPECT_EQ(inkedPixels(frame, CRect(0, 300, 45, 480)), 0);
    EXPECT_EQ(inkedPixels(frame, CRect(65, 300, 600, 480)), 0);
    EXPECT_EQ(inkedPixels(frame, CRect(45, 300, 65, 326)), 0);
    EXPECT_EQ(inkedPixels(frame, CRect(45, 446, 65, 480)), 0);
    // Its head is centred on 55.
    const auto head = litSpan(frame, 346, 40, 70);
    EXPECT_NEAR((head.first + head.second) / 2.0, 55.0, 1.0);
    // The shaft reaches well down the keys.
    EXPECT_GT(inkedPixels(frame, CRect(45, 400, 65, 430)), 20);
}

TEST_F(DisplayFixture, NeedleNotchIsHalfTransparentBlack)
{
    display->setNeedleA(55);
    frame.redraw();
    // Bitmap columns 16..19, rows 16..24 of the needle: frame x 61..64, y 342..350.
    for (int x = 61; x <= 64; ++x)
        for (int y = 342; y <= 350; ++y)
        {
            const CColor c = frame.pixel(x, y);
            EXPECT_NEAR(c.red, kGalleryPanel.red / 2.0, 2.0) << x << "," << y;
            EXPECT_NEAR(c.green, kGalleryPanel.green / 2.0, 2.0) << x << "," << y;
            EXPECT_NEAR(c.blue, kGalleryPanel.blue / 2.0, 2.0) << x << "," << y;
        }
}

TEST_F(DisplayFixture, NeedleBStandsFifteenPixelsHigherAndEachLightsOnItsOwn)
{
    display->setNeedleA(200);
    display->setNeedleB(600);
    frame.redraw();
    EXPECT_EQ(inkedPixels(frame, CRect(590, 300, 610, 311)), 0);
    EXPECT_GT(inkedPixels(frame, CRect(590, 311, 610, 326)), 0);
    EXPECT_EQ(inkedPixels(frame, CRect(190, 300, 210, 326)), 0);
    const CRect a = Display::needleARect(200), b = Display::needleBRect(600);
    const long aPlain = warmth(frame, a), bPlain = warmth(frame, b);

    display->setHighlightedNeedle(2);
    frame.redraw();
    EXPECT_EQ(warmth(frame, a), aPlain);
    EXPECT_GT(warmth(frame, b), bPlain + 1000);

    display->setHighlightedNeedle(1);
    frame.redraw();
    EXPECT_GT(warmth(frame, a), aPlain + 1000);
    EXPECT_EQ(warmth(frame, b), bPlain);
}

// ---------------------------------------------------------------------------
// Text read-outs

TEST(ReadoutTexts, ProgramNumberTuningPairAndLcdLine)
{
    char text[64];
    ProgNumber::formatNumber(7, text, sizeof(text));
    EXPECT_STREQ(text, "07:");
    ProgNumber::formatNumber(12, text, sizeof(text));
    EXPECT_STREQ(text, "12:");

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

// ---------------------------------------------------------------------------
// MidiSignal

// Counts its redraws.
class CountingLamp : public MidiSignal
{
public:
    using MidiSignal::MidiSignal;
    void draw(CDrawContext* context) override
    {
        ++draws;
        MidiSignal::draw(context);
    }
    int draws = 0;
};

// The lamp colour laid twice over black at alpha a/255 (outer then inner ellipse).
double expectedRed(int alpha)
{
    const double a = alpha / 255.0;
    return 255.0 * (1.0 - (1.0 - a) * (1.0 - a));
}

TEST(MidiSignalFade, FlashFadesOverTwentyRedrawsThenStaysDark)
{
    TestFrame frame(100, 100, CColor(0, 0, 0, 255));
    auto* lamp = frame.add(new CountingLamp(CRect(20, 20, 60, 60)));
    frame.redraw();
    frame.idle();
    const int darkDraws = lamp->draws;
    EXPECT_EQ(frame.pixel(40, 40).red, 0);

    lamp->flash(false); // a batch without events lights nothing
    frame.idle();
    EXPECT_EQ(lamp->draws, darkDraws);

    lamp->flash(true);
    const int alphas[] = { 125, 118, 112, 106 };
    for (int alpha : alphas)
    {
        frame.idle();
        EXPECT_NEAR(frame.pixel(40, 40).red, expectedRed(alpha), 1.5) << alpha;
    }
    for (int i = 0; i < 30; ++i)
        frame.idle();
    EXPECT_LE(lamp->getLevel(), 0.f);
    EXPECT_EQ(frame.pixel(40, 40).red, 0);
    const int fadeDraws = lamp->draws - darkDraws;
    EXPECT_GE(fadeDraws, 20);
    EXPECT_LE(fadeDraws, 22);
    // Dark: no more redraws at further idles.
    for (int i = 0; i < 5; ++i)
        frame.idle();
    EXPECT_EQ(lamp->draws - darkDraws, fadeDraws);
    EXPECT_FALSE(lamp->isDirty());
}

} // namespace
