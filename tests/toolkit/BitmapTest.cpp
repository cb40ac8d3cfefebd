// Bitmaps: pixel access in both alpha conventions, off-screen drawing and
// blitting into a context.

#include "Recorders.h"
#include "Surface.h"

#include "toolkit/CBitmapPixelAccess.h"
#include "toolkit/COffscreenContext.h"

#include <gtest/gtest.h>

using namespace VSTGUI;

static CColor pixel(CBitmap* bmp, uint32_t x, uint32_t y, bool premultiplied)
{
    auto* access = CBitmapPixelAccess::create(bmp, premultiplied);
    CColor c;
    access->setPosition(x, y);
    access->getColor(c);
    access->forget();
    return c;
}

TEST(Bitmap, StraightAlphaIsPremultipliedOnReleaseAndBackOnLock)
{
    auto bmp = owned(new CBitmap(3, 1));
    auto* a = CBitmapPixelAccess::create(bmp, false);
    EXPECT_EQ(CBitmapPixelAccess::create(bmp, true), nullptr); // one lock at a time
    EXPECT_EQ(a->getValue(), 0u); // new bitmaps are transparent
    a->setColor(CColor(200, 100, 50, 128));
    ++*a;
    a->setColor(CColor(0x11, 0x22, 0x33, 255));
    ++*a;
    a->setColor(CColor(255, 255, 255, 0));
    EXPECT_FALSE(++*a);
    a->forget();
    // Stored premultiplied; a zero alpha leaves no colour behind.
    EXPECT_EQ(pixel(bmp, 0, 0, true), CColor(100, 50, 25, 128));
    EXPECT_EQ(pixel(bmp, 2, 0, true), CColor(0, 0, 0, 0));
    const CColor c = pixel(bmp, 0, 0, false);
    EXPECT_NEAR(c.red, 200, 2);
    EXPECT_NEAR(c.blue, 50, 2);
    EXPECT_EQ(c.alpha, 128);
    EXPECT_EQ(pixel(bmp, 1, 0, false), CColor(0x11, 0x22, 0x33, 255)); // opaque survives exactly
    // Drawn at an offset into a smaller destination, with an extra alpha.
    Surface s(10, 10);
    s.context->drawBitmap(bmp, CRect(5, 5, 7, 6), CPoint(1, 0), 0.5f);
    EXPECT_EQ(s.countPainted(), 1); // clipped to the destination; the transparent pixel stays so
    EXPECT_NEAR(s.color(5, 5).red, 0x11, 2);
    EXPECT_NEAR(s.alpha(5, 5), 128, 1);
}

TEST(Offscreen, NeedsAnOpenFrameAndItsBitmapOutlivesIt)
{
    auto* frame = new CFrame(CRect(0, 0, 50, 50), nullptr);
    EXPECT_FALSE(COffscreenContext::create(frame, 10, 10));
    frame->forget();
    HeadlessFrame open;
    auto ctx = COffscreenContext::create(open.frame, 20, 10);
    ASSERT_TRUE(ctx);
    ctx->beginDraw();
    ctx->setFillColor(CColor(0, 0, 255, 128));
    ctx->drawRect(CRect(10, 0, 20, 10), kDrawFilled);
    ctx->endDraw();
    SharedPointer<CBitmap> bmp(ctx->getBitmap());
    ctx = nullptr;
    Surface s(50, 50);
    s.context->drawBitmap(bmp, CRect(5, 5, 25, 15));
    EXPECT_EQ(s.color(20, 10), CColor(0, 0, 255, 128));
    EXPECT_EQ(s.countPainted(), 100);
}
