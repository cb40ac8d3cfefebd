#include "toolkit/CBitmap.h"

#include "toolkit/CDrawContext.h"

#include <algorithm>
#include <cairo.h>
#include <cmath>

namespace VSTGUI {

namespace {

// cairo ARGB32 image: premultiplied, native 0xAARRGGBB words, i.e. bytes
// B, G, R, A on little-endian machines.
class CairoBitmap;

class CairoPixelAccess : public IPlatformBitmapPixelAccess
{
public:
    CairoPixelAccess(CairoBitmap* owner, bool premultiplied);
    ~CairoPixelAccess() override;
    uint8_t* getAddress() const override;
    uint32_t getBytesPerRow() const override;
    PixelFormat getPixelFormat() const override { return kBGRA; }

private:
    SharedPointer<CairoBitmap> bitmap;
    bool premultiplied;
};

class CairoBitmap : public IPlatformBitmap
{
public:
    CairoBitmap(int32_t w, int32_t h) : surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h)), size(w, h) {}
    ~CairoBitmap() override { cairo_surface_destroy(surface); }
    bool ok() const { return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS; }

    const CPoint& getSize() const override { return size; }
    cairo_surface_t* getCairoSurface() const override { return surface; }

    SharedPointer<IPlatformBitmapPixelAccess> lockPixels(bool alphaPremultiplied) override
    {
        if (locked)
            return nullptr;
        locked = true;
        cairo_surface_flush(surface);
        if (!alphaPremultiplied)
            convert(true);
        return owned<IPlatformBitmapPixelAccess>(new CairoPixelAccess(this, alphaPremultiplied));
    }

    void unlock(bool premultiplied)
    {
        if (!premultiplied)
            convert(false);
        cairo_surface_mark_dirty(surface);
        locked = false;
    }

    uint8_t* data() const { return cairo_image_surface_get_data(surface); }
    uint32_t stride() const { return static_cast<uint32_t>(cairo_image_surface_get_stride(surface)); }

private:
    // toStraight: c = c * 255 / a (rounded); back: c = (c * a + 127) / 255,
    // pixels with alpha 0 become all zero.
    void convert(bool toStraight)
    {
        uint8_t* base = data();
        const int w = static_cast<int>(size.x), h = static_cast<int>(size.y);
        for (int y = 0; y < h; ++y)
        {
            uint8_t* p = base + static_cast<size_t>(y) * stride();
            for (int x = 0; x < w; ++x, p += 4)
            {
                const unsigned a = p[3];
                if (toStraight)
                {
                    if (a == 0 || a == 255)
                        continue;
                    for (int i = 0; i < 3; ++i)
                        p[i] = static_cast<uint8_t>(std::min(255u, (p[i] * 255u + a / 2) / a));
                }
                else
                {
                    if (a == 255)
                        continue;
                    for (int i = 0; i < 3; ++i)
                        p[i] = static_cast<uint8_t>((p[i] * a + 127u) / 255u);
                }
            }
        }
    }

    cairo_surface_t* surface;
    CPoint size;
    bool locked = false;
};

CairoPixelAccess::CairoPixelAccess(CairoBitmap* owner, bool pm) : bitmap(owner), premultiplied(pm) {}
CairoPixelAccess::~CairoPixelAccess() { bitmap->unlock(premultiplied); }
uint8_t* CairoPixelAccess::getAddress() const { return bitmap->data(); }
uint32_t CairoPixelAccess::getBytesPerRow() const { return bitmap->stride(); }

} // namespace

IPlatformBitmap* createPlatformBitmap(int32_t width, int32_t height)
{
    if (width < 1 || height < 1)
        return nullptr;
    auto* b = new CairoBitmap(width, height);
    if (!b->ok())
    {
        b->forget();
        return nullptr;
    }
    return b;
}

CBitmap::CBitmap(CCoord width, CCoord height)
{
    platformBitmap = owned(createPlatformBitmap(static_cast<int32_t>(width), static_cast<int32_t>(height)));
}

CBitmap::CBitmap(IPlatformBitmap* pb) : platformBitmap(pb) {}

CBitmap::~CBitmap() = default;

CCoord CBitmap::getWidth() const { return platformBitmap ? platformBitmap->getSize().x : 0; }
CCoord CBitmap::getHeight() const { return platformBitmap ? platformBitmap->getSize().y : 0; }

void CBitmap::draw(CDrawContext* context, const CRect& rect, const CPoint& offset, float alpha)
{
    if (!context || !platformBitmap || alpha <= 0.f)
        return;
    cairo_t* cr = context->getCairo();
    CRect dest(rect);
    dest.offset(context->getOffset());
    dest.makeIntegral();
    CRect clip;
    context->getClipRect(clip);
    clip.offset(context->getOffset());
    dest.bound(clip);
    if (dest.isEmpty())
        return;
    // Source origin: the bitmap pixel at offset lands on the rect's corner.
    const double ox = std::floor(rect.left + context->getOffset().x + 0.5) - offset.x;
    const double oy = std::floor(rect.top + context->getOffset().y + 0.5) - offset.y;
    cairo_save(cr);
    cairo_rectangle(cr, dest.left, dest.top, dest.getWidth(), dest.getHeight());
    cairo_clip(cr);
    cairo_set_source_surface(cr, platformBitmap->getCairoSurface(), ox, oy);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint_with_alpha(cr, static_cast<double>(alpha) * static_cast<double>(context->getGlobalAlpha()));
    cairo_restore(cr);
}

} // namespace VSTGUI
