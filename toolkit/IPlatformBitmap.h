#pragma once
// The bitmap's pixel store (a cairo ARGB32 image: premultiplied, bytes
// B, G, R, A on little-endian) and raw access to it.

#include "toolkit/CBaseObject.h"
#include "toolkit/CPoint.h"
#include "toolkit/SharedPointer.h"

typedef struct _cairo_surface cairo_surface_t;

namespace VSTGUI {

class IPlatformBitmapPixelAccess : public CBaseObject
{
public:
    // Byte order of one pixel in memory.
    enum PixelFormat
    {
        kARGB,
        kRGBA,
        kABGR,
        kBGRA
    };

    virtual uint8_t* getAddress() const = 0;
    virtual uint32_t getBytesPerRow() const = 0;
    virtual PixelFormat getPixelFormat() const = 0;
};

class IPlatformBitmap : public CBaseObject
{
public:
    virtual const CPoint& getSize() const = 0;
    // Null when the bitmap is already locked. With alphaPremultiplied false
    // the pixels are handed out straight and converted back on release.
    virtual SharedPointer<IPlatformBitmapPixelAccess> lockPixels(bool alphaPremultiplied) = 0;
    virtual cairo_surface_t* getCairoSurface() const = 0;
};

} // namespace VSTGUI
