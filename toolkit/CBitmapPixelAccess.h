#pragma once
// Per-pixel access to a CBitmap. With alphaPremultiplied false the colours
// read and written are straight alpha; the bitmap gets them back
// (premultiplied) when the accessor is released with its last forget().

#include "toolkit/CBitmap.h"
#include "toolkit/CColor.h"

namespace VSTGUI {

class CBitmapPixelAccess : public CBaseObject
{
public:
    // Null when the bitmap has no pixels or is already locked.
    static CBitmapPixelAccess* create(CBitmap* bitmap, bool alphaPremultiplied = true);
    ~CBitmapPixelAccess() override;

    // Row-major walk; false past the last pixel.
    bool operator++();
    bool setPosition(uint32_t x, uint32_t y);
    uint32_t getX() const { return x; }
    uint32_t getY() const { return y; }

    void getColor(CColor& c) const;
    void setColor(const CColor& c);
    // Raw 32-bit word in native order (0xAARRGGBB for kBGRA on little-endian).
    uint32_t getValue() const;
    void setValue(uint32_t value);

    uint32_t getBitmapWidth() const { return width; }
    uint32_t getBitmapHeight() const { return height; }
    IPlatformBitmapPixelAccess* getPlatformBitmapPixelAccess() const { return access.get(); }

private:
    CBitmapPixelAccess(CBitmap* bitmap, SharedPointer<IPlatformBitmapPixelAccess> access);

    SharedPointer<CBitmap> bitmap;
    SharedPointer<IPlatformBitmapPixelAccess> access;
    uint8_t* address = nullptr;
    uint8_t* current = nullptr;
    uint32_t bytesPerRow = 0;
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t x = 0;
    uint32_t y = 0;
};

} // namespace VSTGUI
