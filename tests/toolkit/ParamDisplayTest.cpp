// Text displays: back, frame and text as the style bits say.

#include "Recorders.h"

#include "toolkit/CTextLabel.h"

#include <gtest/gtest.h>

using namespace VSTGUI;

TEST(TextLabelLook, BackFrameCentredTextAndStyleBits)
{
    CFontDesc font{"Arial", 14};
    HeadlessFrame frame;
    auto* label = new CTextLabel(CRect(10, 10, 110, 30), "HH");
    label->setFont(&font);
    label->setBackColor(kRedCColor);
    label->setFrameColor(kBlueCColor);
    label->setFontColor(kBlackCColor);
    frame->addView(label);
    // Pixels in columns [from, to) darker than the back: text ink.
    auto ink = [&](int from, int to) {
        frame->idle();
        int n = 0;
        for (int x = from; x < to; ++x)
            for (int y = 11; y < 29; ++y)
                n += frame->getPixel(x, y).alpha > 0 && frame->getPixel(x, y).red < 128 ? 1 : 0;
        return n;
    };
    // "HH" is about 20 px wide, centred on x = 60.
    EXPECT_GT(ink(48, 72), 20);
    EXPECT_EQ(ink(11, 46) + ink(74, 109), 0);
    EXPECT_EQ(frame->getPixel(10, 10), kBlueCColor);
    EXPECT_EQ(frame->getPixel(109, 29), kBlueCColor);
    EXPECT_EQ(frame->getPixel(12, 12), kRedCColor);
    EXPECT_EQ(frame->getPixel(110, 20).alpha, 0);
    label->setStyle(CParamDisplay::kNoFrame | CParamDisplay::kNoTextStyle);
    EXPECT_EQ(ink(11, 109), 0);
    EXPECT_EQ(frame->getPixel(10, 10), kRedCColor);
}
