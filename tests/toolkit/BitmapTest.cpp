// Bitmaps: pixel access in both alpha conventions, off-screen drawing and
// blitting into a context.

#include "Surface.h"

#include "toolkit/CBitmapPixelAccess.h"
#include "toolkit/CFrame.h"
#include "toolkit/COffscreenContext.h"

#include <gtest/gtest.h>

using namespace VSTGUI;

static CColor rawPixel(CBitmap* bmp, uint32_t x, uint32_t y)
{
    auto* access = CBitmapPixelAccess::create(bmp, true);
    CColor c;
    access->setPosition(x, y);
    access->getColor(c);
    access->forget();
    return c;
}

TEST(BitmapPixels, NewBitmapIsTransparentAndReportsBGRA)
{
    auto bmp = owned(new CBitmap(3, 2));
    EXPECT_EQ(bmp->getWidth(), 3);
    EXPECT_EQ(bmp->getHeight(), 2);
    auto* access = CBitmapPixelAccess::create(bmp, true);
    ASSERT_NE(access, nullptr);
    EXPECT_EQ(access->getPlatformBitmapPixelAccess()->getPixelFormat(), IPlatformBitmapPixelAccess::kBGRA);
    EXPECT_GE(access->getPlatformBitmapPixelAccess()->getBytesPerRow(), 12u);
    int n = 0;
    do
    {
        EXPECT_EQ(access->getValue(), 0u);
        ++n;
    } while (++*access);
    EXPECT_EQ(n, 6);
    EXPECT_FALSE(access->setPosition(3, 0));
    access->forget();
}

TEST(BitmapPixels, SecondLockWhileLockedIsRefused)
{
    auto bmp = owned(new CBitmap(2, 2));
    auto* a = CBitmapPixelAccess::create(bmp, false);
    EXPECT_EQ(CBitmapPixelAccess::create(bmp, true), nullptr);
    a->forget();
    auto* b = CBitmapPixelAccess::create(bmp, true);
    EXPECT_NE(b, nullptr);
    b->forget();
}

TEST(BitmapPixels, StraightAlphaIsPremultipliedOnReleaseAndBackOnLock)
{
    auto bmp = owned(new CBitmap(2, 1));
    {
        auto* a = CBitmapPixelAccess::create(bmp, false);
        a->setColor(CColor(200, 100, 50, 128));
        ++*a;
        a->setColor(CColor(0x11, 0x22, 0x33, 255));
        a->forget();
    }
    // Stored premultiplied: bytes B, G, R, A.
    EXPECT_EQ(rawPixel(bmp, 0, 0), CColor(100, 50, 25, 128));
    EXPECT_EQ(rawPixel(bmp, 1, 0), CColor(0x11, 0x22, 0x33, 255));
    {
        auto* a = CBitmapPixelAccess::create(bmp, false);
        CColor c;
        a->getColor(c);
        EXPECT_NEAR(c.red, 200, 2);
        EXPECT_NEAR(c.green, 100, 2);
        EXPECT_NEAR(c.blue, 50, 2);
        EXPECT_EQ(c.alpha, 128);
        a->setPosition(1, 0);
        a->getColor(c);
        EXPECT_EQ(c, CColor(0x11, 0x22, 0x33, 255)); // opaque survives exactly
        a->forget();
    }
    // Drawn into a context the colour comes out as written.
    Surface s(2, 1);
    bmp->draw(s.context, CRect(0, 0, 2, 1));
    EXPECT_NEAR(s.color(0, 0).red, 200, 2);
    EXPECT_EQ(s.alpha(0, 0), 128);
}

TEST(BitmapPixels, ZeroAlphaPixelsBecomeFullyTransparent)
{
    auto bmp = owned(new CBitmap(1, 1));
    auto* a = CBitmapPixelAccess::create(bmp, false);
    a->setColor(CColor(255, 255, 255, 0));
    a->forget();
    EXPECT_EQ(rawPixel(bmp, 0, 0), CColor(0, 0, 0, 0));
}

TEST(BitmapDraw, OffsetAlphaAndClippingToTheDestination)
{
    auto bmp = owned(new CBitmap(4, 4));
    {
        auto* a = CBitmapPixelAccess::create(bmp, false);
        do
        {
            // Column 0..1 red, 2..3 blue.
            a->setColor(a->getX() < 2 ? kRedCColor : kBlueCColor);
        } while (++*a);
        a->forget();
    }
    Surface s(10, 10);
    bmp->draw(s.context, CRect(5, 5, 7, 7), CPoint(2, 0));
    EXPECT_EQ(s.color(5, 5), kBlueCColor); // starts at the offset
    EXPECT_EQ(s.countPainted(), 4); // clipped to the 2 x 2 destination

    Surface t(10, 10);
    t.context->drawBitmap(bmp, CRect(0, 0, 4, 4), CPoint(0, 0), 0.5f);
    EXPECT_NEAR(t.alpha(0, 0), 128, 1);
}

TEST(Offscreen, NeedsAnOpenFrame)
{
    auto* frame = new CFrame(CRect(0, 0, 50, 50), nullptr);
    EXPECT_FALSE(COffscreenContext::create(frame, 10, 10));
    ASSERT_TRUE(frame->open(nullptr));
    EXPECT_FALSE(COffscreenContext::create(frame, 0, 10));
    auto ctx = COffscreenContext::create(frame, 10, 10);
    ASSERT_TRUE(ctx);
    EXPECT_EQ(ctx->getBitmap()->getWidth(), 10);
    frame->close();
}

TEST(Offscreen, DrawThenBlitIntoAnotherContext)
{
    auto* frame = new CFrame(CRect(0, 0, 50, 50), nullptr);
    ASSERT_TRUE(frame->open(nullptr));
    auto ctx = COffscreenContext::create(frame, 20, 10);
    ctx->beginDraw();
    ctx->setFillColor(kRedCColor);
    ctx->drawRect(CRect(0, 0, 10, 10), kDrawFilled);
    ctx->setFillColor(CColor(0, 0, 255, 128));
    ctx->drawRect(CRect(10, 0, 20, 10), kDrawFilled);
    ctx->endDraw();
    SharedPointer<CBitmap> bmp(ctx->getBitmap());
    ctx = nullptr; // the bitmap outlives its context

    Surface s(50, 50);
    s.context->drawBitmap(bmp, CRect(5, 5, 25, 15));
    EXPECT_EQ(s.color(5, 5), kRedCColor);
    EXPECT_EQ(s.color(14, 14), kRedCColor);
    EXPECT_EQ(s.color(20, 10), CColor(0, 0, 255, 128));
    EXPECT_FALSE(s.painted(25, 10));
    EXPECT_FALSE(s.painted(4, 5));
    frame->close();
}
