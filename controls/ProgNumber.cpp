#include "controls/ProgNumber.h"

#include "toolkit/CDrawContext.h"

#include <cstdio>

using namespace VSTGUI;

ProgNumber::ProgNumber(const CRect& viewSize) : CView(viewSize) {}

void ProgNumber::formatNumber(int8_t number, char* text, int32_t capacity)
{
    std::snprintf(text, static_cast<size_t>(capacity), number < 10 ? "0%i:" : "%i:", static_cast<int>(number));
}

void ProgNumber::draw(CDrawContext* context)
{
    SharedPointer<CFontDesc> font = makeOwned<CFontDesc>("Times New Roman", 18, kNormalFace);
    context->setFont(font);
    context->setFontColor(CColor(250, 210, 100, 108));
    char text[16];
    formatNumber(program, text, sizeof(text));
    context->drawString(text, size, kCenterText);
    setDirty(false);
}
