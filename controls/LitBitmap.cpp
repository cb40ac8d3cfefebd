#include "controls/LitBitmap.h"

#include "toolkit/IPlatformBitmap.h"

#include <algorithm>
#include <cmath>

using namespace VSTGUI;

namespace {

void setChannelOrder(LitPixels& px, IPlatformBitmapPixelAccess::PixelFormat format)
{
    switch (format)
    {
    case IPlatformBitmapPixelAccess::kARGB: px.alpha = 0, px.red = 1, px.green = 2, px.blue = 3; break;
    case IPlatformBitmapPixelAccess::kRGBA: px.red = 0, px.green = 1, px.blue = 2, px.alpha = 3; break;
    case IPlatformBitmapPixelAccess::kABGR: px.alpha = 0, px.blue = 1, px.green = 2, px.red = 3; break;
    case IPlatformBitmapPixelAccess::kBGRA: px.blue = 0, px.green = 1, px.red = 2, px.alpha = 3; break;
    }
}

} // namespace

void LitBitmap::draw(CDrawContext* context, const CRect& rect, const CPoint& offset, float)
{
    if (!context || !platformBitmap)
        return;
    const double bitmapWidth = getWidth();
    const double bitmapHeight = getHeight();
    const double height = std::min(rect.getHeight(), bitmapHeight);
    if (!(height > 0.0) || !(bitmapWidth >= 1.0))
        return;
    {
        SharedPointer<IPlatformBitmapPixelAccess> access = platformBitmap->lockPixels(false);
        if (!access || !access->getAddress())
            return;
        LitPixels px;
        px.base = access->getAddress();
        px.bytesPerRow = static_cast<int32_t>(access->getBytesPerRow());
        px.width = static_cast<int32_t>(bitmapWidth);
        px.rows = static_cast<int32_t>(std::min(std::ceil(height), bitmapHeight));
        setChannelOrder(px, access->getPixelFormat());

        LitPlacement at;
        at.left = rect.left;
        at.top = rect.top;
        at.cx = rect.left + rect.getWidth() / 2.0;
        at.cy = rect.top + rect.getHeight() / 2.0;
        at.height = height;
        render(px, at);
    } // releasing the access hands the pixels back to the bitmap
    CBitmap::draw(context, rect, offset, 1.f);
}
