#pragma once
// A display that shows a fixed UTF-8 text instead of its value.

#include "toolkit/CParamDisplay.h"

namespace VSTGUI {

class CTextLabel : public CParamDisplay
{
public:
    CTextLabel(const CRect& size, UTF8StringPtr txt = nullptr, CBitmap* background = nullptr, const int32_t style = 0);

    virtual void setText(UTF8StringPtr txt);
    UTF8StringPtr getText() const { return text.c_str(); }

protected:
    std::string getDisplayText() const override { return text; }

    std::string text;
};

} // namespace VSTGUI
