#pragma once
// Test helper: a pixel store of the drawing backend (cairo on Linux,
// Direct2D on Windows) with a draw context on it, and straight-colour pixel
// reads. The same drawing tests thus measure both backends.

#include "toolkit/CBitmap.h"
#include "toolkit/CDrawContext.h"

#include <algorithm>

struct Surface
{
    Surface(int w, int h)
        : bitmap(VSTGUI::owned(VSTGUI::createPlatformBitmap(w, h))),
          context(new VSTGUI::CDrawContext(bitmap->createGraphics(), VSTGUI::CPoint(w, h)))
    {}
    ~Surface() { context->forget(); }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    int byte(int x, int y, int i) const
    {
        context->endDraw(); // what was drawn reaches the pixels
        const auto pixels = bitmap->lockPixels(true);
        return pixels->getAddress()[y * pixels->getBytesPerRow() + 4 * x + i];
    }
    // Premultiplied alpha of a pixel.
    int alpha(int x, int y) const { return byte(x, y, 3); }
    VSTGUI::CColor color(int x, int y) const
    {
        const int a = alpha(x, y);
        auto un = [a](int c) { return static_cast<uint8_t>(a ? std::min(255, (c * 255 + a / 2) / a) : 0); };
        return VSTGUI::CColor(un(byte(x, y, 2)), un(byte(x, y, 1)), un(byte(x, y, 0)), static_cast<uint8_t>(a));
    }
    bool painted(int x, int y) const { return alpha(x, y) != 0; }
    // Pixels with any alpha in the rectangle [l, r) x [t, b).
    int countPainted(int l, int t, int r, int b) const
    {
        int n = 0;
        for (int y = t; y < b; ++y)
            for (int x = l; x < r; ++x)
                n += painted(x, y) ? 1 : 0;
        return n;
    }
    int width() const { return static_cast<int>(bitmap->getSize().x); }
    int height() const { return static_cast<int>(bitmap->getSize().y); }
    int countPainted() const { return countPainted(0, 0, width(), height()); }

    VSTGUI::SharedPointer<VSTGUI::IPlatformBitmap> bitmap;
    VSTGUI::CDrawContext* context;
};
