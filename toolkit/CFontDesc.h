#pragma once
// Font description: family name, em height in pixels and style bits.
// Families resolve through fontconfig ("Arial" finds Liberation Sans).

#include "toolkit/CBaseObject.h"

#include <string>

namespace VSTGUI {

enum CTxtFace : int32_t
{
    kNormalFace = 0,
    kBoldFace = 1 << 1,
    kItalicFace = 1 << 2,
    kUnderlineFace = 1 << 3,
    kStrikethroughFace = 1 << 4
};

class CFontDesc : public CBaseObject
{
public:
    explicit CFontDesc(UTF8StringPtr name = "", const CCoord& size = 0, const int32_t style = 0);
    CFontDesc(const CFontDesc& font);

    UTF8StringPtr getName() const { return name.c_str(); }
    const CCoord& getSize() const { return size; }
    const int32_t& getStyle() const { return style; }
    virtual void setName(UTF8StringPtr newName);
    virtual void setSize(CCoord newSize);
    virtual void setStyle(int32_t newStyle);

    bool operator==(const CFontDesc& o) const;
    bool operator!=(const CFontDesc& o) const { return !(*this == o); }

private:
    std::string name;
    CCoord size;
    int32_t style;
};

// Stock fonts (never forget them): kSystemFont is "Arial" 12.
extern const CFontRef kSystemFont;
extern const CFontRef kNormalFontVeryBig; // Arial 18
extern const CFontRef kNormalFontBig; // Arial 14
extern const CFontRef kNormalFont; // Arial 12
extern const CFontRef kNormalFontSmall; // Arial 11
extern const CFontRef kNormalFontSmaller; // Arial 10
extern const CFontRef kNormalFontVerySmall; // Arial 9
extern const CFontRef kSymbolFont; // Symbol 12

} // namespace VSTGUI
