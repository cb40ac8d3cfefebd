#include "toolkit/CTextLabel.h"

namespace VSTGUI {

CTextLabel::CTextLabel(const CRect& r, UTF8StringPtr txt, CBitmap* bg, const int32_t st)
    : CParamDisplay(r, bg, st), text(txt ? txt : "")
{}

void CTextLabel::setText(UTF8StringPtr txt)
{
    const std::string t(txt ? txt : "");
    if (t == text)
        return;
    text = t;
    setDirty(true);
}

} // namespace VSTGUI
