#pragma once
// Test helper: an image surface with a draw context and straight-colour
// pixel reads.

#include "toolkit/CDrawContext.h"
#include "toolkit/CairoGraphics.h"

#include <cairo.h>

#include <algorithm>

struct Surface
{
    Surface(int w, int h)
        : surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h)),
          context(new VSTGUI::CDrawContext(VSTGUI::createCairoGraphics(surface), VSTGUI::CPoint(w, h)))
    {}
    ~Surface()
    {
        context->forget();
        cairo_surface_destroy(surface);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    int byte(int x, int y, int i) const
    {
        cairo_surface_flush(surface);
        return cairo_image_surface_get_data(surface)[y * cairo_image_surface_get_stride(surface) + 4 * x + i];
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
    int width() const { return cairo_image_surface_get_width(surface); }
    int height() const { return cairo_image_surface_get_height(surface); }
    int countPainted() const { return countPainted(0, 0, width(), height()); }

    cairo_surface_t* surface;
    VSTGUI::CDrawContext* context;
};
