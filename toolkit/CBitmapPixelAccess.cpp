#include "toolkit/CBitmapPixelAccess.h"

#include <cstring>

namespace VSTGUI {

CBitmapPixelAccess* CBitmapPixelAccess::create(CBitmap* bitmap, bool alphaPremultiplied)
{
    if (!bitmap || !bitmap->getPlatformBitmap())
        return nullptr;
    auto access = bitmap->getPlatformBitmap()->lockPixels(alphaPremultiplied);
    if (!access)
        return nullptr;
    return new CBitmapPixelAccess(bitmap, access);
}

CBitmapPixelAccess::CBitmapPixelAccess(CBitmap* bmp, SharedPointer<IPlatformBitmapPixelAccess> a)
    : bitmap(bmp), access(a), address(a->getAddress()), current(address), bytesPerRow(a->getBytesPerRow()),
      width(static_cast<uint32_t>(bmp->getWidth())), height(static_cast<uint32_t>(bmp->getHeight()))
{}

CBitmapPixelAccess::~CBitmapPixelAccess() = default;

bool CBitmapPixelAccess::operator++()
{
    if (x + 1 < width)
    {
        ++x;
        current += 4;
        return true;
    }
    if (y + 1 < height)
    {
        x = 0;
        ++y;
        current = address + static_cast<size_t>(y) * bytesPerRow;
        return true;
    }
    return false;
}

bool CBitmapPixelAccess::setPosition(uint32_t px, uint32_t py)
{
    if (px >= width || py >= height)
        return false;
    x = px;
    y = py;
    current = address + static_cast<size_t>(y) * bytesPerRow + static_cast<size_t>(x) * 4;
    return true;
}

void CBitmapPixelAccess::getColor(CColor& c) const
{
    c.blue = current[0];
    c.green = current[1];
    c.red = current[2];
    c.alpha = current[3];
}

void CBitmapPixelAccess::setColor(const CColor& c)
{
    current[0] = c.blue;
    current[1] = c.green;
    current[2] = c.red;
    current[3] = c.alpha;
}

uint32_t CBitmapPixelAccess::getValue() const
{
    uint32_t v;
    std::memcpy(&v, current, 4);
    return v;
}

void CBitmapPixelAccess::setValue(uint32_t v) { std::memcpy(current, &v, 4); }

} // namespace VSTGUI
