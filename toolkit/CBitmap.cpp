#include "toolkit/CBitmap.h"

#include "toolkit/CDrawContext.h"

#include <cmath>

namespace VSTGUI {

CBitmap::CBitmap(CCoord width, CCoord height)
{
    platformBitmap = owned(createPlatformBitmap(static_cast<int32_t>(width), static_cast<int32_t>(height)));
}

CBitmap::CBitmap(IPlatformBitmap* pb) : platformBitmap(pb) {}

CBitmap::~CBitmap() = default;

CCoord CBitmap::getWidth() const { return platformBitmap ? platformBitmap->getSize().x : 0; }
CCoord CBitmap::getHeight() const { return platformBitmap ? platformBitmap->getSize().y : 0; }

void CBitmap::draw(CDrawContext* context, const CRect& rect, const CPoint& offset, float alpha)
{
    if (!context || !platformBitmap || alpha <= 0.f || !context->getPlatformGraphics())
        return;
    CRect dest(rect);
    dest.offset(context->getOffset());
    dest.makeIntegral();
    CRect clip;
    context->getClipRect(clip);
    clip.offset(context->getOffset());
    dest.bound(clip);
    if (dest.isEmpty())
        return;
    // Source origin: the bitmap pixel at offset lands on the rect's corner.
    const double ox = std::floor(rect.left + context->getOffset().x + 0.5) - offset.x;
    const double oy = std::floor(rect.top + context->getOffset().y + 0.5) - offset.y;
    context->getPlatformGraphics()->drawBitmap(*platformBitmap, dest, CPoint(ox, oy),
                                               static_cast<double>(alpha) *
                                                   static_cast<double>(context->getGlobalAlpha()));
}

} // namespace VSTGUI
