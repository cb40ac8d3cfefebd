#pragma once
// The Direct2D backend's pixel store: a WIC bitmap of premultiplied B, G, R,
// A pixels with a Direct2D render target on it. Drawing through the target
// runs from the first primitive until the pixels are needed (locked, drawn
// elsewhere, written out) or the context flushes; other targets draw these
// pixels through bitmaps of their own, made again only after a change.

#include "toolkit/Direct2DResources.h"
#include "toolkit/IPlatformBitmap.h"

#include <vector>

namespace VSTGUI {

class Direct2DBitmap : public IPlatformBitmap
{
public:
    // Null when WIC cannot make the bitmap.
    static Direct2DBitmap* create(int32_t width, int32_t height);
    ~Direct2DBitmap() override;

    const CPoint& getSize() const override { return size; }
    SharedPointer<IPlatformBitmapPixelAccess> lockPixels(bool alphaPremultiplied) override;
    // Premultiplied pixels that are only read (the window shows them).
    SharedPointer<IPlatformBitmapPixelAccess> lockPixelsToRead();
    SharedPointer<IPlatformGraphics> createGraphics() override;
    bool writePNG(const char* path) override;

    // The render target, drawing (null while the pixels are locked or when
    // no target can be made).
    ID2D1RenderTarget* beginDrawing();
    // Ends the drawing under way, so that the pixels hold it.
    void finishDrawing();
    // A brush of the target, for any colour.
    ID2D1SolidColorBrush* solidBrush(const D2D1_COLOR_F& color);
    // The pixels of source as a bitmap of this one's render target.
    ComPtr<ID2D1Bitmap> bitmapOf(Direct2DBitmap& source);

    void unlock(bool premultiplied, bool written);

private:
    Direct2DBitmap(int32_t width, int32_t height, ComPtr<IWICBitmap> bitmap);
    SharedPointer<IPlatformBitmapPixelAccess> lockFor(bool alphaPremultiplied, bool forWriting);
    // toStraight: c = c * 255 / a (rounded); back: c = (c * a + 127) / 255,
    // pixels with alpha 0 become all zero (as the cairo backend does).
    void convert(uint8_t* pixels, uint32_t stride, bool toStraight) const;
    void changed() { ++generation; }

    CPoint size;
    ComPtr<IWICBitmap> wic;
    ComPtr<IWICBitmapLock> pixelLock; // while the pixels are handed out
    ComPtr<ID2D1RenderTarget> target;
    ComPtr<ID2D1SolidColorBrush> brush;
    bool drawing = false;
    bool pixelsWritten = false; // through a lock since the target last drew
    const uint64_t id;
    uint64_t generation = 0;
    struct Source
    {
        uint64_t id;
        uint64_t generation;
        ComPtr<ID2D1Bitmap> bitmap;
    };
    std::vector<Source> sources; // most recent first
};

} // namespace VSTGUI
