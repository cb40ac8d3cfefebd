#include "toolkit/CParamDisplay.h"

#include "toolkit/CDrawContext.h"

#include <cstdio>

namespace VSTGUI {

CParamDisplay::CParamDisplay(const CRect& r, CBitmap* bg, int32_t st)
    : CControl(r, nullptr, -1, bg), font(kNormalFont), style(st)
{}

CParamDisplay::CParamDisplay(const CParamDisplay& p)
    : CControl(p), font(p.font), fontColor(p.fontColor), backColor(p.backColor), frameColor(p.frameColor),
      shadowColor(p.shadowColor), textInset(p.textInset), horiTxtAlign(p.horiTxtAlign), style(p.style),
      antialias(p.antialias)
{}

void CParamDisplay::setFont(CFontRef f)
{
    if (!f)
        return;
    font = SharedPointer<CFontDesc>(f);
    setDirty(true);
}

void CParamDisplay::setFontColor(const CColor& c)
{
    fontColor = c;
    setDirty(true);
}

void CParamDisplay::setBackColor(const CColor& c)
{
    backColor = c;
    setDirty(true);
}

void CParamDisplay::setFrameColor(const CColor& c)
{
    frameColor = c;
    setDirty(true);
}

void CParamDisplay::setShadowColor(const CColor& c)
{
    shadowColor = c;
    setDirty(true);
}

void CParamDisplay::setHoriAlign(CHoriTxtAlign a)
{
    horiTxtAlign = a;
    setDirty(true);
}

void CParamDisplay::setTextInset(const CPoint& p)
{
    textInset = p;
    setDirty(true);
}

void CParamDisplay::setStyle(int32_t val)
{
    style = val;
    setDirty(true);
}

std::string CParamDisplay::getDisplayText() const
{
    char text[32];
    std::snprintf(text, sizeof(text), "%2.2f", static_cast<double>(value));
    return text;
}

void CParamDisplay::draw(CDrawContext* context)
{
    drawBack(context);
    if (!(style & kNoTextStyle))
        drawText(context, getDisplayText().c_str());
    setDirty(false);
}

void CParamDisplay::drawBack(CDrawContext* context)
{
    if (background)
        background->draw(context, size);
    if (style & kNoDrawStyle)
        return;
    context->setDrawMode(kAliasing);
    context->setLineWidth(1);
    context->setLineStyle(kLineSolid);
    if (!background)
    {
        context->setFillColor(backColor);
        context->drawRect(size, kDrawFilled);
    }
    if (style & (k3DIn | k3DOut))
    {
        // Bevel: light top/left and dark bottom/right (swapped for 3D in).
        const CColor light = (style & k3DIn) ? kBlackCColor : kWhiteCColor;
        const CColor dark = (style & k3DIn) ? kWhiteCColor : kBlackCColor;
        const CCoord l = size.left, t = size.top, r = size.right - 1, b = size.bottom - 1;
        context->setFrameColor(light);
        context->drawLine(CPoint(l, b), CPoint(l, t));
        context->drawLine(CPoint(l, t), CPoint(r, t));
        context->setFrameColor(dark);
        context->drawLine(CPoint(r, t), CPoint(r, b));
        context->drawLine(CPoint(r, b), CPoint(l, b));
    }
    else if (!(style & kNoFrame))
    {
        context->setFrameColor(frameColor);
        context->drawRect(size, kDrawStroked);
    }
}

void CParamDisplay::drawText(CDrawContext* context, UTF8StringPtr string)
{
    if (!string || !*string)
        return;
    CRect textRect(size);
    textRect.inset(textInset.x, textInset.y);
    CRect oldClip;
    context->getClipRect(oldClip);
    CRect clip(textRect);
    clip.bound(oldClip);
    context->setClipRect(clip);
    context->setDrawMode(kAntiAliasing);
    context->setFont(font.get());
    if (style & kShadowText)
    {
        CRect shadow(textRect);
        shadow.offset(1, 1);
        context->setFontColor(shadowColor);
        context->drawString(string, shadow, horiTxtAlign, antialias);
    }
    context->setFontColor(fontColor);
    context->drawString(string, textRect, horiTxtAlign, antialias);
    context->setClipRect(oldClip);
}

} // namespace VSTGUI
