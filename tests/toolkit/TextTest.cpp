// Fonts and text: face resolution, widths, baseline and centring.

#include "Surface.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <string>

using namespace VSTGUI;

static std::string matchFamily(const char* pattern)
{
    FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pat, &result);
    std::string family;
    FcChar8* s = nullptr;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &s) == FcResultMatch)
        family = reinterpret_cast<const char*>(s);
    if (match)
        FcPatternDestroy(match);
    FcPatternDestroy(pat);
    return family;
}

// Ink rows [top, bottom) of everything painted.
static std::pair<int, int> inkRows(const Surface& s)
{
    int top = -1, bottom = -1;
    for (int y = 0; y < s.height(); ++y)
        if (s.countPainted(0, y, s.width(), y + 1) > 0)
        {
            if (top < 0)
                top = y;
            bottom = y + 1;
        }
    return {top, bottom};
}

TEST(Text, ArialAndTimesResolveToMetricCompatibleFaces)
{
    EXPECT_EQ(matchFamily("Arial"), "Liberation Sans");
    EXPECT_EQ(matchFamily("Times New Roman"), "Liberation Serif");
}

TEST(Text, StringWidthUsesFractionalAdvances)
{
    CFontDesc font("Arial", 14);
    CFontDesc bold("Arial", 14, kBoldFace);
    Surface s(10, 10);
    s.context->setFont(&font);
    EXPECT_NEAR(s.context->getStringWidth("Spring Decay 0.99"), 115.18, 0.05);
    EXPECT_EQ(s.context->getStringWidth(""), 0);
    s.context->setFont(&bold);
    EXPECT_GT(s.context->getStringWidth("Spring Decay 0.99"), 116);
}

TEST(Text, SetFontWithSizeZeroAndStyleMinusOneKeepsTheFont)
{
    CFontDesc font("Arial", 20, kBoldFace);
    Surface s(10, 10);
    s.context->setFont(&font, 0, -1);
    EXPECT_EQ(s.context->getFont(), &font);
    s.context->setFont(&font, 20, kBoldFace); // same attributes: same object
    EXPECT_EQ(s.context->getFont(), &font);

    s.context->setFont(&font, 14);
    EXPECT_NE(s.context->getFont(), &font);
    EXPECT_EQ(s.context->getFont()->getSize(), 14);
    EXPECT_EQ(s.context->getFont()->getStyle(), kBoldFace);
    EXPECT_EQ(font.getSize(), 20); // the original is untouched

    s.context->setFont(&font, 0, kNormalFace);
    EXPECT_EQ(s.context->getFont()->getSize(), 20);
    EXPECT_EQ(s.context->getFont()->getStyle(), kNormalFace);

    s.context->setFont(nullptr); // ignored
    EXPECT_EQ(s.context->getFont()->getStyle(), kNormalFace);
}

TEST(Text, PointIsTheLeftEndOfTheBaseline)
{
    CFontDesc font("Arial", 20);
    Surface s(60, 60);
    s.context->setFont(&font);
    s.context->setFontColor(kBlackCColor);
    s.context->drawString("H", CPoint(10, 50));
    const auto rows = inkRows(s);
    EXPECT_EQ(rows.first, 36);
    EXPECT_EQ(rows.second, 50);
    EXPECT_EQ(s.countPainted(0, 0, 10, 60), 0); // nothing left of x
}

TEST(Text, RectFormCentresCapitalsAndAligns)
{
    CFontDesc font("Arial", 20);
    const CRect r(0, 0, 200, 40);
    Surface c(200, 40);
    c.context->setFont(&font);
    c.context->drawString("HH", r, kCenterText);
    const auto rows = inkRows(c);
    EXPECT_NEAR((rows.first + rows.second) / 2.0, 20, 1.0);
    const double w = c.context->getStringWidth("HH");
    EXPECT_EQ(c.countPainted(0, 0, static_cast<int>(100 - w / 2) - 1, 40), 0);
    EXPECT_EQ(c.countPainted(static_cast<int>(100 + w / 2) + 1, 0, 200, 40), 0);

    Surface right(200, 40);
    right.context->setFont(&font);
    right.context->drawString("HH", r, kRightText);
    EXPECT_EQ(right.countPainted(0, 0, 150, 40), 0);
    EXPECT_GT(right.countPainted(190, 0, 200, 40), 0);
}

TEST(Text, AntialiasFlagSwitchesGreyscaleEdges)
{
    auto partial = [](bool aa) {
        CFontDesc font("Arial", 20);
        Surface s(100, 40);
        s.context->setFont(&font);
        s.context->setFontColor(kBlackCColor);
        s.context->drawString("Sag", CPoint(5, 30), aa);
        int n = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 100; ++x)
                n += (s.alpha(x, y) != 0 && s.alpha(x, y) != 255) ? 1 : 0;
        return n;
    };
    EXPECT_GT(partial(true), 20);
    EXPECT_EQ(partial(false), 0);
}

TEST(Text, FontColourAlphaIsARealAlpha)
{
    CFontDesc font("Arial", 40);
    Surface s(60, 60);
    s.context->setFont(&font);
    s.context->setFontColor(CColor(0, 0, 0, 100));
    s.context->drawString("I", CPoint(10, 50), false);
    int maxAlpha = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
            maxAlpha = std::max(maxAlpha, s.alpha(x, y));
    EXPECT_NEAR(maxAlpha, 100, 1);
}

TEST(Text, BytesThatAreNotUtf8DrawAsLatin1AndBreakNothing)
{
    CFontDesc font("Arial", 20);
    Surface s(100, 40);
    s.context->setFont(&font);
    s.context->setFontColor(kBlackCColor);
    EXPECT_NEAR(s.context->getStringWidth("\xE9t\xE9"), s.context->getStringWidth("\xC3\xA9t\xC3\xA9"), 0.01);
    s.context->drawString("\xE9t\xE9", CPoint(5, 30));
    EXPECT_GT(s.countPainted(), 20);
    s.context->setFillColor(kRedCColor);
    s.context->drawRect(CRect(90, 0, 100, 10), kDrawFilled); // the context still draws
    EXPECT_EQ(s.color(95, 5), kRedCColor);
}

TEST(Text, UnderlineRunsUnderTheWholeString)
{
    CFontDesc plain("Arial", 20);
    CFontDesc underlined("Arial", 20, kUnderlineFace);
    Surface a(120, 40), b(120, 40);
    a.context->setFont(&plain);
    b.context->setFont(&underlined);
    a.context->drawString("o o", CPoint(5, 25));
    b.context->drawString("o o", CPoint(5, 25));
    EXPECT_EQ(a.countPainted(0, 26, 120, 30), 0);
    const int width = static_cast<int>(b.context->getStringWidth("o o"));
    EXPECT_GE(b.countPainted(5, 26, 5 + width, 29), width - 1); // a line below the baseline
}
