#include "toolkit/Direct2DResources.h"

#include "common/WideText.h"

#include <map>
#include <mutex>
#include <tuple>
#include <vector>

// Made without COM: the host's thread may not have initialised it.
extern "C" HRESULT WINAPI WICCreateImagingFactory_Proxy(UINT sdkVersion, IWICImagingFactory** factory);

namespace VSTGUI {

namespace {

std::mutex& cacheLock()
{
    static std::mutex m;
    return m;
}

bool systemHasFamily(const std::wstring& family)
{
    ComPtr<IDWriteFontCollection> fonts;
    if (!directWriteFactory() || FAILED(directWriteFactory()->GetSystemFontCollection(&fonts, FALSE)))
        return false;
    UINT32 index = 0;
    BOOL exists = FALSE;
    return SUCCEEDED(fonts->FindFamilyName(family.c_str(), &index, &exists)) && exists;
}

DWRITE_FONT_WEIGHT weightOf(const CFontDesc& font)
{
    return (font.getStyle() & kBoldFace) ? DWRITE_FONT_WEIGHT_BOLD : DWRITE_FONT_WEIGHT_NORMAL;
}

DWRITE_FONT_STYLE styleOf(const CFontDesc& font)
{
    return (font.getStyle() & kItalicFace) ? DWRITE_FONT_STYLE_ITALIC : DWRITE_FONT_STYLE_NORMAL;
}

float sizeOf(const CFontDesc& font) { return static_cast<float>(font.getSize() > 0 ? font.getSize() : 12.0); }

using FontKey = std::tuple<std::string, float, int32_t>;

FontKey keyOf(const CFontDesc& font)
{
    return FontKey(font.getName(), sizeOf(font), font.getStyle() & (kBoldFace | kItalicFace));
}

} // namespace

ID2D1Factory* direct2DFactory()
{
    static ID2D1Factory* const factory = [] {
        ID2D1Factory* f = nullptr;
        D2D1_FACTORY_OPTIONS options{};
        if (FAILED(D2D1CreateFactory(D2D1_FACTORY_TYPE_MULTI_THREADED, __uuidof(ID2D1Factory), &options,
                                     reinterpret_cast<void**>(&f))))
            return static_cast<ID2D1Factory*>(nullptr);
        return f;
    }();
    return factory;
}

IDWriteFactory* directWriteFactory()
{
    static IDWriteFactory* const factory = [] {
        IDWriteFactory* f = nullptr;
        if (FAILED(DWriteCreateFactory(DWRITE_FACTORY_TYPE_SHARED, __uuidof(IDWriteFactory),
                                       reinterpret_cast<IUnknown**>(&f))))
            return static_cast<IDWriteFactory*>(nullptr);
        return f;
    }();
    return factory;
}

IWICImagingFactory* wicFactory()
{
    static IWICImagingFactory* const factory = [] {
        IWICImagingFactory* f = nullptr;
        if (FAILED(WICCreateImagingFactory_Proxy(WINCODEC_SDK_VERSION, &f)))
            return static_cast<IWICImagingFactory*>(nullptr);
        return f;
    }();
    return factory;
}

std::wstring fontFamilyOf(const char* name)
{
    static const std::pair<const char*, const wchar_t*> twins[] = {{"Arial", L"Liberation Sans"},
                                                                   {"Liberation Sans", L"Arial"},
                                                                   {"Times New Roman", L"Liberation Serif"},
                                                                   {"Liberation Serif", L"Times New Roman"},
                                                                   {"Courier New", L"Liberation Mono"},
                                                                   {"Liberation Mono", L"Courier New"}};
    const std::string requested = name && *name ? name : "Arial";
    const std::wstring family = wideText(requested);
    if (systemHasFamily(family))
        return family;
    for (const auto& twin : twins)
        if (requested == twin.first && systemHasFamily(twin.second))
            return twin.second;
    return family; // DirectWrite falls back on its own
}

ComPtr<IDWriteTextFormat> textFormatOf(const CFontDesc& font)
{
    static std::map<FontKey, ComPtr<IDWriteTextFormat>> formats;
    std::lock_guard<std::mutex> guard(cacheLock());
    const FontKey key = keyOf(font);
    auto it = formats.find(key);
    if (it != formats.end())
        return it->second;
    ComPtr<IDWriteTextFormat> format;
    if (!directWriteFactory() || FAILED(directWriteFactory()->CreateTextFormat(
                                     fontFamilyOf(font.getName()).c_str(), nullptr, weightOf(font), styleOf(font),
                                     DWRITE_FONT_STRETCH_NORMAL, sizeOf(font), L"en-us", &format)))
        return nullptr;
    format->SetWordWrapping(DWRITE_WORD_WRAPPING_NO_WRAP);
    formats[key] = format;
    return format;
}

double capHeightOf(const CFontDesc& font)
{
    static std::map<FontKey, double> heights;
    {
        std::lock_guard<std::mutex> guard(cacheLock());
        auto it = heights.find(keyOf(font));
        if (it != heights.end())
            return it->second;
    }
    double height = 0;
    ComPtr<IDWriteFontCollection> fonts;
    UINT32 index = 0;
    BOOL exists = FALSE;
    ComPtr<IDWriteFontFamily> family;
    ComPtr<IDWriteFont> face;
    if (directWriteFactory() && SUCCEEDED(directWriteFactory()->GetSystemFontCollection(&fonts, FALSE)) &&
        SUCCEEDED(fonts->FindFamilyName(fontFamilyOf(font.getName()).c_str(), &index, &exists)) && exists &&
        SUCCEEDED(fonts->GetFontFamily(index, &family)) &&
        SUCCEEDED(family->GetFirstMatchingFont(weightOf(font), DWRITE_FONT_STRETCH_NORMAL, styleOf(font), &face)))
    {
        DWRITE_FONT_METRICS metrics{};
        face->GetMetrics(&metrics);
        if (metrics.designUnitsPerEm > 0)
            height = static_cast<double>(metrics.capHeight) * sizeOf(font) / metrics.designUnitsPerEm;
    }
    std::lock_guard<std::mutex> guard(cacheLock());
    heights[keyOf(font)] = height;
    return height;
}

ComPtr<ID2D1StrokeStyle> strokeStyleOf(const CLineStyle& style)
{
    static std::vector<std::pair<CLineStyle, ComPtr<ID2D1StrokeStyle>>> styles;
    std::lock_guard<std::mutex> guard(cacheLock());
    for (const auto& known : styles)
        if (known.first == style)
            return known.second;
    D2D1_STROKE_STYLE_PROPERTIES p{};
    const D2D1_CAP_STYLE cap = style.getLineCap() == CLineStyle::kLineCapRound    ? D2D1_CAP_STYLE_ROUND
                               : style.getLineCap() == CLineStyle::kLineCapSquare ? D2D1_CAP_STYLE_SQUARE
                                                                                  : D2D1_CAP_STYLE_FLAT;
    p.startCap = p.endCap = p.dashCap = cap;
    p.lineJoin = style.getLineJoin() == CLineStyle::kLineJoinRound   ? D2D1_LINE_JOIN_ROUND
                 : style.getLineJoin() == CLineStyle::kLineJoinBevel ? D2D1_LINE_JOIN_BEVEL
                                                                     : D2D1_LINE_JOIN_MITER;
    p.miterLimit = 10.f;
    std::vector<FLOAT> dashes;
    for (CCoord d : style.getDashLengths())
        dashes.push_back(static_cast<FLOAT>(d));
    p.dashStyle = dashes.empty() ? D2D1_DASH_STYLE_SOLID : D2D1_DASH_STYLE_CUSTOM;
    p.dashOffset = static_cast<FLOAT>(style.getDashPhase());
    ComPtr<ID2D1StrokeStyle> stroke;
    if (!direct2DFactory() || FAILED(direct2DFactory()->CreateStrokeStyle(p, dashes.empty() ? nullptr : dashes.data(),
                                                                          static_cast<UINT32>(dashes.size()), &stroke)))
        return nullptr;
    styles.emplace_back(style, stroke);
    return stroke;
}

} // namespace VSTGUI
