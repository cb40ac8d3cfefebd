#include "toolkit/CairoBitmap.h"

#include "toolkit/CBitmap.h"
#include "toolkit/CairoGraphics.h"

#include <algorithm>
#include <cairo.h>

namespace VSTGUI {

namespace {

class CairoPixelAccess : public IPlatformBitmapPixelAccess
{
public:
    CairoPixelAccess(CairoBitmap* owner, bool pm) : bitmap(owner), premultiplied(pm) {}
    ~CairoPixelAccess() override { bitmap->unlock(premultiplied); }
    uint8_t* getAddress() const override { return bitmap->data(); }
    uint32_t getBytesPerRow() const override { return bitmap->stride(); }
    PixelFormat getPixelFormat() const override { return kBGRA; }

private:
    SharedPointer<CairoBitmap> bitmap;
    bool premultiplied;
};

} // namespace

CairoBitmap::CairoBitmap(int32_t w, int32_t h)
    : surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h)), size(w, h)
{}

CairoBitmap::~CairoBitmap() { cairo_surface_destroy(surface); }

bool CairoBitmap::ok() const { return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS; }

SharedPointer<IPlatformBitmapPixelAccess> CairoBitmap::lockPixels(bool alphaPremultiplied)
{
    if (locked)
        return nullptr;
    locked = true;
    cairo_surface_flush(surface);
    if (!alphaPremultiplied)
        convert(true);
    return owned<IPlatformBitmapPixelAccess>(new CairoPixelAccess(this, alphaPremultiplied));
}

void CairoBitmap::unlock(bool premultiplied)
{
    if (!premultiplied)
        convert(false);
    cairo_surface_mark_dirty(surface);
    locked = false;
}

SharedPointer<IPlatformGraphics> CairoBitmap::createGraphics() { return createCairoGraphics(surface); }

bool CairoBitmap::writePNG(const char* path)
{
    if (!path)
        return false;
    cairo_surface_flush(surface);
    return cairo_surface_write_to_png(surface, path) == CAIRO_STATUS_SUCCESS;
}

uint8_t* CairoBitmap::data() const { return cairo_image_surface_get_data(surface); }
uint32_t CairoBitmap::stride() const { return static_cast<uint32_t>(cairo_image_surface_get_stride(surface)); }

void CairoBitmap::convert(bool toStraight)
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

cairo_surface_t* cairoSurfaceOf(IPlatformBitmap* bitmap)
{
    auto* b = dynamic_cast<CairoBitmap*>(bitmap);
    return b ? b->getSurface() : nullptr;
}

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

} // namespace VSTGUI
