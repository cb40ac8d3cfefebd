#include "toolkit/CFontDesc.h"

namespace VSTGUI {

CFontDesc::CFontDesc(UTF8StringPtr n, const CCoord& s, const int32_t st) : name(n ? n : ""), size(s), style(st) {}

CFontDesc::CFontDesc(const CFontDesc& font) : CBaseObject(font), name(font.name), size(font.size), style(font.style) {}

void CFontDesc::setName(UTF8StringPtr newName) { name = newName ? newName : ""; }
void CFontDesc::setSize(CCoord newSize) { size = newSize; }
void CFontDesc::setStyle(int32_t newStyle) { style = newStyle; }

bool CFontDesc::operator==(const CFontDesc& o) const { return name == o.name && size == o.size && style == o.style; }

namespace {
// Stock fonts live for the whole process; the extra reference keeps a
// stray forget() from deleting a static object.
struct StockFont : CFontDesc
{
    StockFont(UTF8StringPtr n, CCoord s) : CFontDesc(n, s, kNormalFace) { remember(); }
};
StockFont systemFont("Arial", 12);
StockFont normalFontVeryBig("Arial", 18);
StockFont normalFontBig("Arial", 14);
StockFont normalFont("Arial", 12);
StockFont normalFontSmall("Arial", 11);
StockFont normalFontSmaller("Arial", 10);
StockFont normalFontVerySmall("Arial", 9);
StockFont symbolFont("Symbol", 12);
} // namespace

const CFontRef kSystemFont = &systemFont;
const CFontRef kNormalFontVeryBig = &normalFontVeryBig;
const CFontRef kNormalFontBig = &normalFontBig;
const CFontRef kNormalFont = &normalFont;
const CFontRef kNormalFontSmall = &normalFontSmall;
const CFontRef kNormalFontSmaller = &normalFontSmaller;
const CFontRef kNormalFontVerySmall = &normalFontVerySmall;
const CFontRef kSymbolFont = &symbolFont;

} // namespace VSTGUI
