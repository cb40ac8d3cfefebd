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
    // Columns [from, to) holding text ink (pixels darker than the back).
    auto inkColumns = [&](int from = 11, int to = 109) {
        frame->idle();
        int n = 0;
        for (int x = from; x < to; ++x)
            for (int y = 11; y < 29; ++y)
                if (frame->getPixel(x, y).alpha > 0 && frame->getPixel(x, y).red < 128)
                {
                    ++n;
                    break;
                }
        return n;
    };
    // "HH" is about 20 px wide, centred on x = 60.
    EXPECT_GT(inkColumns(48, 72), 8);
    EXPECT_EQ(inkColumns(11, 46), 0);
    EXPECT_EQ(inkColumns(74, 109), 0);
    EXPECT_EQ(frame->getPixel(10, 10), kBlueCColor);
    EXPECT_EQ(frame->getPixel(109, 29), kBlueCColor);
    EXPECT_EQ(frame->getPixel(12, 12), kRedCColor);
    EXPECT_EQ(frame->getPixel(110, 20).alpha, 0);

    label->setStyle(CParamDisplay::kNoFrame);
    frame->idle();
    EXPECT_EQ(frame->getPixel(10, 10), kRedCColor);
    label->setBackColor(CColor(0, 0, 0, 0)); // a transparent back paints nothing
    frame->idle();
    EXPECT_EQ(frame->getPixel(12, 12).alpha, 0);
    label->setStyle(CParamDisplay::kNoTextStyle);
    EXPECT_EQ(inkColumns(), 0);
    label->setText("");
    label->setStyle(0);
    frame->idle();
    EXPECT_EQ(frame->getPixel(10, 10), kBlueCColor);
}
