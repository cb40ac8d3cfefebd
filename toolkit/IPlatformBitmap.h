#pragma once
// A bitmap's pixel store, made by the drawing backend (createPlatformBitmap):
// 32-bit premultiplied pixels, bytes B, G, R, A, raw access to them, and
// graphics that draw on them.

#include "toolkit/CBaseObject.h"
#include "toolkit/CPoint.h"
#include "toolkit/SharedPointer.h"

namespace VSTGUI {

class IPlatformGraphics;

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
    // Graphics that draw on these pixels (CDrawContext's backend).
    virtual SharedPointer<IPlatformGraphics> createGraphics() = 0;
    // Writes the pixels as a PNG file (straight alpha); false on failure.
    virtual bool writePNG(const char* path) = 0;
};

} // namespace VSTGUI
