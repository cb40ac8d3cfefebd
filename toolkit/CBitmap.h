#pragma once
// A 32-bit bitmap, transparent when created. Subclasses may override draw()
// to render themselves.

#include "toolkit/CBaseObject.h"
#include "toolkit/CRect.h"
#include "toolkit/IPlatformBitmap.h"
#include "toolkit/SharedPointer.h"

namespace VSTGUI {

class CBitmap : public CBaseObject
{
public:
    CBitmap(CCoord width, CCoord height);
    // Takes a reference on an existing pixel store.
    explicit CBitmap(IPlatformBitmap* platformBitmap);
    ~CBitmap() override;

    // Paints the part that starts at offset into rect (clipped to rect,
    // destination rounded to whole pixels, no scaling).
    virtual void draw(CDrawContext* context, const CRect& rect, const CPoint& offset = CPoint(0, 0), float alpha = 1.f);

    CCoord getWidth() const;
    CCoord getHeight() const;
    CPoint getSize() const { return CPoint(getWidth(), getHeight()); }
    bool isLoaded() const { return platformBitmap != nullptr; }
    IPlatformBitmap* getPlatformBitmap() const { return platformBitmap.get(); }

    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

protected:
    SharedPointer<IPlatformBitmap> platformBitmap;
};

// Creates the drawing backend's pixel store used by CBitmap (null for sizes
// < 1): cairo's on Linux, Direct2D's on Windows.
IPlatformBitmap* createPlatformBitmap(int32_t width, int32_t height);

} // namespace VSTGUI
