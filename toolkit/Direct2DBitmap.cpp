#include "toolkit/Direct2DBitmap.h"

#include "common/WideText.h"
#include "toolkit/CBitmap.h"
#include "toolkit/Direct2DGraphics.h"

#include <algorithm>
#include <atomic>
#include <cstring>

namespace VSTGUI {

namespace {

std::atomic<uint64_t> nextBitmapId{1};
constexpr size_t kCachedSources = 16;

class Direct2DPixelAccess : public IPlatformBitmapPixelAccess
{
public:
    Direct2DPixelAccess(Direct2DBitmap* owner, uint8_t* pixels, uint32_t rowBytes, bool pm, bool w)
        : bitmap(owner), address(pixels), stride(rowBytes), premultiplied(pm), written(w)
    {}
    ~Direct2DPixelAccess() override { bitmap->unlock(premultiplied, written); }
    uint8_t* getAddress() const override { return address; }
    uint32_t getBytesPerRow() const override { return stride; }
    PixelFormat getPixelFormat() const override { return kBGRA; }

private:
    SharedPointer<Direct2DBitmap> bitmap;
    uint8_t* address;
    uint32_t stride;
    bool premultiplied;
    bool written;
};

// COM for the length of a call that needs it (WIC's encoders), unless the
// thread has it already in another mode.
struct ComScope
{
    ComScope() : initialised(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComScope()
    {
        if (initialised)
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    bool initialised;
};

} // namespace

IPlatformBitmap* createPlatformBitmap(int32_t width, int32_t height)
{
    if (width < 1 || height < 1)
        return nullptr;
    return Direct2DBitmap::create(width, height);
}

Direct2DBitmap* Direct2DBitmap::create(int32_t width, int32_t height)
{
    ComPtr<IWICBitmap> wic;
    if (!wicFactory() || FAILED(wicFactory()->CreateBitmap(static_cast<UINT>(width), static_cast<UINT>(height),
                                                           GUID_WICPixelFormat32bppPBGRA, WICBitmapCacheOnLoad, &wic)))
        return nullptr;
    // New bitmaps are transparent.
    WICRect all{0, 0, width, height};
    ComPtr<IWICBitmapLock> clearing;
    UINT bytes = 0;
    BYTE* pixels = nullptr;
    if (FAILED(wic->Lock(&all, WICBitmapLockWrite, &clearing)) || FAILED(clearing->GetDataPointer(&bytes, &pixels)))
        return nullptr;
    std::memset(pixels, 0, bytes);
    clearing.Reset();
    return new Direct2DBitmap(width, height, wic);
}

Direct2DBitmap::Direct2DBitmap(int32_t w, int32_t h, ComPtr<IWICBitmap> bitmap)
    : size(w, h), wic(std::move(bitmap)), id(nextBitmapId++)
{}

Direct2DBitmap::~Direct2DBitmap() { finishDrawing(); }

ID2D1RenderTarget* Direct2DBitmap::beginDrawing()
{
    if (pixelLock)
        return nullptr;
    if (!target)
    {
        // 96 dpi: one device-independent pixel is one pixel.
        const D2D1_RENDER_TARGET_PROPERTIES props = D2D1::RenderTargetProperties(
            D2D1_RENDER_TARGET_TYPE_DEFAULT,
            D2D1::PixelFormat(DXGI_FORMAT_B8G8R8A8_UNORM, D2D1_ALPHA_MODE_PREMULTIPLIED), 96.f, 96.f);
        if (!direct2DFactory() || FAILED(direct2DFactory()->CreateWicBitmapRenderTarget(wic.Get(), props, &target)))
            return nullptr;
        brush.Reset();
        sources.clear();
    }
    if (!drawing)
    {
        target->BeginDraw();
        target->SetTransform(D2D1::Matrix3x2F::Identity());
        drawing = true;
        if (pixelsWritten)
        {
            // Some render targets (Wine's) keep their own copy of the pixels
            // and write all of it back at the end of drawing: what was
            // written into the bitmap directly goes into that copy first.
            pixelsWritten = false;
            ComPtr<ID2D1Bitmap> pixels;
            if (SUCCEEDED(target->CreateBitmapFromWicBitmap(wic.Get(), nullptr, &pixels)))
            {
                target->Clear(D2D1::ColorF(0, 0, 0, 0));
                target->DrawBitmap(pixels.Get(), nullptr, 1.f, D2D1_BITMAP_INTERPOLATION_MODE_NEAREST_NEIGHBOR);
            }
        }
    }
    return target.Get();
}

void Direct2DBitmap::finishDrawing()
{
    if (!drawing)
        return;
    drawing = false;
    if (FAILED(target->EndDraw()))
    {
        // A target that failed is made anew, with its resources.
        pixelsWritten = true;
        target.Reset();
        brush.Reset();
        sources.clear();
    }
    changed();
}

ID2D1SolidColorBrush* Direct2DBitmap::solidBrush(const D2D1_COLOR_F& color)
{
    if (!target)
        return nullptr;
    if (!brush && FAILED(target->CreateSolidColorBrush(color, &brush)))
        return nullptr;
    brush->SetColor(color);
    brush->SetOpacity(1.f);
    return brush.Get();
}

ComPtr<ID2D1Bitmap> Direct2DBitmap::bitmapOf(Direct2DBitmap& source)
{
    if (!target || source.pixelLock)
        return nullptr;
    source.finishDrawing();
    auto it = std::find_if(sources.begin(), sources.end(), [&](const Source& s) { return s.id == source.id; });
    if (it != sources.end())
    {
        if (it->generation == source.generation)
            return it->bitmap;
        sources.erase(it);
    }
    ComPtr<ID2D1Bitmap> bitmap;
    if (FAILED(target->CreateBitmapFromWicBitmap(source.wic.Get(), nullptr, &bitmap)))
        return nullptr;
    sources.insert(sources.begin(), Source{source.id, source.generation, bitmap});
    if (sources.size() > kCachedSources)
        sources.pop_back();
    return bitmap;
}

SharedPointer<IPlatformBitmapPixelAccess> Direct2DBitmap::lockPixels(bool alphaPremultiplied)
{
    return lockFor(alphaPremultiplied, true);
}

SharedPointer<IPlatformBitmapPixelAccess> Direct2DBitmap::lockPixelsToRead() { return lockFor(true, false); }

SharedPointer<IPlatformBitmapPixelAccess> Direct2DBitmap::lockFor(bool alphaPremultiplied, bool forWriting)
{
    if (pixelLock)
        return nullptr;
    finishDrawing();
    WICRect all{0, 0, static_cast<INT>(size.x), static_cast<INT>(size.y)};
    UINT bytes = 0, stride = 0;
    BYTE* pixels = nullptr;
    if (FAILED(wic->Lock(&all, WICBitmapLockRead | WICBitmapLockWrite, &pixelLock)) ||
        FAILED(pixelLock->GetDataPointer(&bytes, &pixels)) || FAILED(pixelLock->GetStride(&stride)))
    {
        pixelLock.Reset();
        return nullptr;
    }
    if (!alphaPremultiplied)
        convert(pixels, stride, true);
    return owned<IPlatformBitmapPixelAccess>(
        new Direct2DPixelAccess(this, pixels, stride, alphaPremultiplied, forWriting));
}

void Direct2DBitmap::unlock(bool premultiplied, bool written)
{
    if (!pixelLock)
        return;
    if (!premultiplied)
    {
        UINT bytes = 0, stride = 0;
        BYTE* pixels = nullptr;
        if (SUCCEEDED(pixelLock->GetDataPointer(&bytes, &pixels)) && SUCCEEDED(pixelLock->GetStride(&stride)))
            convert(pixels, stride, false);
    }
    pixelLock.Reset();
    pixelsWritten = pixelsWritten || written;
    changed();
}

void Direct2DBitmap::convert(uint8_t* base, uint32_t stride, bool toStraight) const
{
    const int w = static_cast<int>(size.x), h = static_cast<int>(size.y);
    for (int y = 0; y < h; ++y)
    {
        uint8_t* p = base + static_cast<size_t>(y) * stride;
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

SharedPointer<IPlatformGraphics> Direct2DBitmap::createGraphics() { return createDirect2DGraphics(this); }

bool Direct2DBitmap::writePNG(const char* path)
{
    if (!path || !*path)
        return false;
    // PNG holds straight colours: a straight copy of the pixels goes out.
    std::vector<uint8_t> straight;
    const UINT w = static_cast<UINT>(size.x), h = static_cast<UINT>(size.y);
    {
        auto access = lockPixelsToRead();
        if (!access)
            return false;
        straight.resize(static_cast<size_t>(w) * 4 * h);
        for (UINT y = 0; y < h; ++y)
            std::memcpy(straight.data() + static_cast<size_t>(y) * w * 4,
                        access->getAddress() + static_cast<size_t>(y) * access->getBytesPerRow(), w * 4);
    }
    convert(straight.data(), w * 4, true);
    ComScope com;
    IWICImagingFactory* factory = wicFactory();
    ComPtr<IWICBitmap> copy;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
    return factory &&
           SUCCEEDED(factory->CreateBitmapFromMemory(w, h, GUID_WICPixelFormat32bppBGRA, w * 4,
                                                     static_cast<UINT>(straight.size()), straight.data(), &copy)) &&
           SUCCEEDED(factory->CreateStream(&stream)) &&
           SUCCEEDED(stream->InitializeFromFilename(wideText(path).c_str(), GENERIC_WRITE)) &&
           SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
           SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
           SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
           SUCCEEDED(frame->SetSize(w, h)) && SUCCEEDED(frame->SetPixelFormat(&format)) &&
           IsEqualGUID(format, GUID_WICPixelFormat32bppBGRA) && SUCCEEDED(frame->WriteSource(copy.Get(), nullptr)) &&
           SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

} // namespace VSTGUI
