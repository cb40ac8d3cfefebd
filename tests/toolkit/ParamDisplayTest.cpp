// Text displays: back, frame and text as the style bits say.

#include "Recorders.h"

#include "toolkit/CTextLabel.h"

#include <gtest/gtest.h>

using namespace VSTGUI;

struct TextLabelLook : ::testing::Test
{
    CFontDesc font{"Arial", 14};
    HeadlessFrame frame;
    CTextLabel* label = new CTextLabel(CRect(10, 10, 110, 30), "HH");
    void SetUp() override
    {
        label->setFont(&font);
        label->setBackColor(kRedCColor);
        label->setFrameColor(kBlueCColor);
        label->setFontColor(kBlackCColor);
        frame->addView(label);
        frame->idle();
    }
    // Columns [from, to) holding text ink (pixels darker than the back).
    int inkColumns(int from = 11, int to = 109) const
    {
        int n = 0;
        for (int x = from; x < to; ++x)
            for (int y = 11; y < 29; ++y)
            {
                const CColor c = frame->getPixel(x, y);
                if (c.alpha > 0 && c.red < 128)
                {
                    ++n;
                    break;
                }
            }
        return n;
    }
};

TEST_F(TextLabelLook, BackFrameAndCentredText)
{
    EXPECT_EQ(frame->getPixel(10, 10), kBlueCColor);
    EXPECT_EQ(frame->getPixel(109, 29), kBlueCColor);
    EXPECT_EQ(frame->getPixel(12, 12), kRedCColor);
    EXPECT_EQ(frame->getPixel(110, 20).alpha, 0);
    // "HH" is about 20 px wide, centred on x = 60.
    EXPECT_GT(inkColumns(48, 72), 8);
    EXPECT_EQ(inkColumns(11, 46), 0);
    EXPECT_EQ(inkColumns(74, 109), 0);
}

TEST_F(TextLabelLook, StyleBitsDropFrameBackAndText)
{
    label->setStyle(CParamDisplay::kNoFrame);
    frame->idle();
    EXPECT_EQ(frame->getPixel(10, 10), kRedCColor);

    label->setBackColor(CColor(0, 0, 0, 0)); // a transparent back paints nothing
    frame->idle();
    EXPECT_EQ(frame->getPixel(12, 12).alpha, 0);

    label->setStyle(CParamDisplay::kNoTextStyle);
    frame->idle();
    EXPECT_EQ(inkColumns(), 0);

    label->setText("");
    label->setStyle(0);
    frame->idle();
    EXPECT_EQ(frame->getPixel(10, 10), kBlueCColor);
}
