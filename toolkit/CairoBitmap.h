#pragma once
// The cairo backend's pixel store: an ARGB32 image surface (premultiplied,
// native 0xAARRGGBB words, i.e. bytes B, G, R, A on little-endian machines).

#include "toolkit/IPlatformBitmap.h"

typedef struct _cairo_surface cairo_surface_t;

namespace VSTGUI {

class CairoBitmap : public IPlatformBitmap
{
public:
    CairoBitmap(int32_t width, int32_t height);
    ~CairoBitmap() override;
    bool ok() const;

    const CPoint& getSize() const override { return size; }
    SharedPointer<IPlatformBitmapPixelAccess> lockPixels(bool alphaPremultiplied) override;
    SharedPointer<IPlatformGraphics> createGraphics() override;
    bool writePNG(const char* path) override;

    cairo_surface_t* getSurface() const { return surface; }
    void unlock(bool premultiplied);
    uint8_t* data() const;
    uint32_t stride() const;

private:
    // toStraight: c = c * 255 / a (rounded); back: c = (c * a + 127) / 255,
    // pixels with alpha 0 become all zero.
    void convert(bool toStraight);

    cairo_surface_t* surface;
    CPoint size;
    bool locked = false;
};

// The image surface behind a pixel store of the cairo backend (null for any
// other), for tests and tools that read or write it with cairo.
cairo_surface_t* cairoSurfaceOf(IPlatformBitmap* bitmap);

} // namespace VSTGUI
