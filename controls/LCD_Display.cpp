#include "controls/LCD_Display.h"

#include "controls/ControlInk.h"

#include "toolkit/CDrawContext.h"

#include <cstring>

using namespace VSTGUI;

LCD_Display::LCD_Display(const CRect& viewSize) : CView(viewSize) { setText("Body"); }

void LCD_Display::setText(const char* newText)
{
    if (!newText)
        newText = "";
    std::strncpy(text, newText, kMaxTextLength);
    text[kMaxTextLength] = '\0';
}

float LCD_Display::getStoredValue(int32_t item) const
{
    return item >= 0 && item < kStoredValueCount ? storedValues[item] : 0.f;
}

void LCD_Display::setStoredValue(int32_t item, float value)
{
    if (item >= 0 && item < kStoredValueCount)
        storedValues[item] = value;
}

void LCD_Display::draw(CDrawContext* context)
{
    context->setFontColor(inkColor(125));
    SharedPointer<CFontDesc> font = arialFont(20);
    context->setFont(font, 0, fontStyle);
    context->drawString(text, CPoint(size.left + 9, size.bottom - 7));
    setDirty(false);
}
