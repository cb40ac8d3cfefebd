#pragma once
// A control that shows a text: back colour, 1-pixel frame, text centred
// (or left/right) in its rectangle in its font and font colour.

#include "toolkit/CColor.h"
#include "toolkit/CControl.h"
#include "toolkit/CDrawDefs.h"
#include "toolkit/CFontDesc.h"

#include <string>

namespace VSTGUI {

class CParamDisplay : public CControl
{
public:
    // Style bits (shared layout of the stock controls).
    enum Style : int32_t
    {
        kShadowText = 1 << 2,
        k3DIn = 1 << 7,
        k3DOut = 1 << 8,
        kNoTextStyle = 1 << 11,
        kNoDrawStyle = 1 << 12,
        kNoFrame = 1 << 14,
        kRoundRectStyle = 1 << 15
    };

    CParamDisplay(const CRect& size, CBitmap* background = nullptr, int32_t style = 0);
    CParamDisplay(const CParamDisplay& p);

    void draw(CDrawContext* context) override;

    void setFont(CFontRef fontID);
    CFontRef getFont() const { return font.get(); }
    void setFontColor(const CColor& color);
    CColor getFontColor() const { return fontColor; }
    void setBackColor(const CColor& color);
    CColor getBackColor() const { return backColor; }
    void setFrameColor(const CColor& color);
    CColor getFrameColor() const { return frameColor; }
    void setShadowColor(const CColor& color);
    CColor getShadowColor() const { return shadowColor; }
    void setHoriAlign(CHoriTxtAlign align);
    CHoriTxtAlign getHoriAlign() const { return horiTxtAlign; }
    void setTextInset(const CPoint& p);
    CPoint getTextInset() const { return textInset; }
    virtual void setStyle(int32_t val);
    int32_t getStyle() const { return style; }
    void setAntialias(bool state) { antialias = state; }
    bool getAntialias() const { return antialias; }

protected:
    virtual void drawBack(CDrawContext* context);
    virtual void drawText(CDrawContext* context, UTF8StringPtr string);
    // The text shown for the current value (a formatted number here).
    virtual std::string getDisplayText() const;

    SharedPointer<CFontDesc> font;
    CColor fontColor = kWhiteCColor;
    CColor backColor = kBlackCColor;
    CColor frameColor = kBlackCColor;
    CColor shadowColor = kRedCColor;
    CPoint textInset;
    CHoriTxtAlign horiTxtAlign = kCenterText;
    int32_t style = 0;
    bool antialias = true;
};

} // namespace VSTGUI
