#pragma once
// A draw context on a new transparent bitmap. Only available while the
// frame is open (in a window or headless).

#include "toolkit/CBitmap.h"
#include "toolkit/CDrawContext.h"
#include "toolkit/SharedPointer.h"

namespace VSTGUI {

class COffscreenContext : public CDrawContext
{
public:
    // Null unless width and height are at least 1 and the frame is open.
    static SharedPointer<COffscreenContext> create(CFrame* frame, CCoord width, CCoord height, double scaleFactor = 1.);
    // Without a frame: for renderers that draw before any window exists.
    static SharedPointer<COffscreenContext> create(CCoord width, CCoord height);

    CBitmap* getBitmap() const { return bitmap.get(); }
    CCoord getWidth() const;
    CCoord getHeight() const;

    void beginDraw() override;
    void endDraw() override;

    explicit COffscreenContext(CBitmap* bitmap);

private:
    SharedPointer<CBitmap> bitmap;
};

} // namespace VSTGUI
