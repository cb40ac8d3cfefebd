#include "toolkit/COffscreenContext.h"

#include "toolkit/CFrame.h"

namespace VSTGUI {

COffscreenContext::COffscreenContext(CBitmap* bmp)
    : CDrawContext(bmp->getPlatformBitmap()->createGraphics(), bmp->getPlatformBitmap()->getSize()), bitmap(bmp)
{}

SharedPointer<COffscreenContext> COffscreenContext::create(CFrame* frame, CCoord width, CCoord height,
                                                           double scaleFactor)
{
    if (!frame || !frame->isOpen())
        return nullptr;
    if (scaleFactor <= 0)
        scaleFactor = 1;
    return create(width * scaleFactor, height * scaleFactor);
}

SharedPointer<COffscreenContext> COffscreenContext::create(CCoord width, CCoord height)
{
    if (width < 1 || height < 1)
        return nullptr;
    auto bitmap = owned(new CBitmap(width, height));
    if (!bitmap->getPlatformBitmap())
        return nullptr;
    return owned(new COffscreenContext(bitmap.get()));
}

CCoord COffscreenContext::getWidth() const { return bitmap->getWidth(); }
CCoord COffscreenContext::getHeight() const { return bitmap->getHeight(); }

void COffscreenContext::beginDraw() {}

void COffscreenContext::endDraw() { CDrawContext::endDraw(); }

} // namespace VSTGUI
