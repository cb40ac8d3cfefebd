// Fonts and text: face resolution, widths, baseline and centring.

#include "Surface.h"

#include <gtest/gtest.h>

#include <string>

using namespace VSTGUI;

// Ink rows [top, bottom) of everything painted.
static std::pair<int, int> inkRows(const Surface& s)
{
    int top = -1, bottom = -1;
    for (int y = 0; y < s.height(); ++y)
        if (s.countPainted(0, y, s.width(), y + 1) > 0)
        {
            top = top < 0 ? y : top;
            bottom = y + 1;
        }
    return {top, bottom};
}

static double widthOf(const char* face, const char* text, int32_t style = kNormalFace)
{
    CFontDesc font(face, 14, style);
    Surface s(10, 10);
    s.context->setFont(&font);
    return s.context->getStringWidth(text);
}

TEST(Text, FacesResolveToMetricCompatibleOnesWithFractionalAdvances)
{
    const char* text = "Spring Decay 0.99";
    EXPECT_NEAR(widthOf("Arial", text), 115.18, 0.05);
    EXPECT_EQ(widthOf("Arial", text), widthOf("Liberation Sans", text));
    EXPECT_EQ(widthOf("Times New Roman", text), widthOf("Liberation Serif", text));
    EXPECT_NE(widthOf("Times New Roman", text), widthOf("Arial", text));
    EXPECT_GT(widthOf("Arial", text, kBoldFace), 116);
    EXPECT_EQ(widthOf("Arial", ""), 0);
    // Bytes that are not UTF-8 are taken as Latin-1, and draw.
    EXPECT_NEAR(widthOf("Arial", "\xE9t\xE9"), widthOf("Arial", "\xC3\xA9t\xC3\xA9"), 0.01);
    CFontDesc font("Arial", 20);
    Surface s(100, 40);
    s.context->setFont(&font);
    s.context->drawString("\xE9t\xE9", CPoint(5, 30));
    EXPECT_GT(s.countPainted(), 20);
    s.context->drawRect(CRect(90, 0, 100, 10), kDrawFilled); // the context still draws
    EXPECT_TRUE(s.painted(95, 5));
}

TEST(Text, SetFontWithSizeZeroAndStyleMinusOneKeepsTheFont)
{
    CFontDesc font("Arial", 20, kBoldFace);
    Surface s(10, 10);
    s.context->setFont(&font, 0, -1);
    EXPECT_EQ(s.context->getFont(), &font);
    s.context->setFont(&font, 14);
    EXPECT_EQ(s.context->getFont()->getSize(), 14);
    EXPECT_EQ(s.context->getFont()->getStyle(), kBoldFace);
    EXPECT_EQ(font.getSize(), 20); // the original is untouched

    s.context->setFont(&font, 0, kNormalFace);
    EXPECT_EQ(s.context->getFont()->getSize(), 20);
    EXPECT_EQ(s.context->getFont()->getStyle(), kNormalFace);
}

TEST(Text, PointIsTheBaselineAndRectsCentreTheText)
{
    CFontDesc font("Arial", 20);
    Surface s(60, 60);
    s.context->setFont(&font);
    s.context->drawString("H", CPoint(10, 50));
    EXPECT_EQ(inkRows(s), std::make_pair(36, 50));
    EXPECT_EQ(s.countPainted(0, 0, 10, 60), 0); // nothing left of x

    const CRect r(0, 0, 200, 40);
    Surface c(200, 40);
    c.context->setFont(&font);
    c.context->drawString("HH", r, kCenterText);
    const auto rows = inkRows(c);
    EXPECT_NEAR((rows.first + rows.second) / 2.0, 20, 1.0);
    const double w = c.context->getStringWidth("HH");
    EXPECT_EQ(c.countPainted(0, 0, static_cast<int>(100 - w / 2) - 1, 40), 0);
    EXPECT_EQ(c.countPainted(static_cast<int>(100 + w / 2) + 1, 0, 200, 40), 0);
}
