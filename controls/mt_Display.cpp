#include "controls/mt_Display.h"

#include "controls/ControlInk.h"

#include "toolkit/CDrawContext.h"

#include <cstdio>

using namespace VSTGUI;

mt_Display::mt_Display(const CRect& viewSize) : CView(viewSize) {}

void mt_Display::formatPair(float a, float b, char* text, int32_t capacity)
{
    // Above 12 the second number is a frequency, otherwise a ratio.
    std::snprintf(text, static_cast<size_t>(capacity), b > 12.f ? "%.4f | %.2fhz" : "%.4f | %.4f",
                  static_cast<double>(a), static_cast<double>(b));
}

void mt_Display::draw(CDrawContext* context)
{
    SharedPointer<CFontDesc> font = arialFont(18);
    context->setFont(font);
    context->setFontColor(inkColor(125));
    char text[128];
    formatPair(a, b, text, sizeof(text));
    context->drawString(text, CPoint(size.left + 3, size.bottom - 2));
    setDirty(false);
}
