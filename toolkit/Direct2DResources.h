#pragma once
// What the Direct2D backend shares across the process: the Direct2D,
// DirectWrite and WIC factories, text formats and font metrics by font, and
// stroke styles by line style. Each is made on first use; every call may come
// from any thread (the factories are the thread-safe kinds, the caches are
// locked).

#include "toolkit/CDrawDefs.h"
#include "toolkit/CFontDesc.h"

#include <d2d1.h>
#include <dwrite.h>
#include <wincodec.h>
#include <wrl/client.h>

namespace VSTGUI {

template <class T>
using ComPtr = Microsoft::WRL::ComPtr<T>;

ID2D1Factory* direct2DFactory();
IDWriteFactory* directWriteFactory();
IWICImagingFactory* wicFactory();

// The text format of a font (family resolved as below, size in pixels, bold
// and italic from its style); null when DirectWrite cannot make one.
ComPtr<IDWriteTextFormat> textFormatOf(const CFontDesc& font);
// The font's cap height in pixels (0 when unknown).
double capHeightOf(const CFontDesc& font);
// The family DirectWrite draws for a font name: the name itself where the
// system has it, else its metric twin (Arial and Liberation Sans, Times New
// Roman and Liberation Serif, Courier New and Liberation Mono, as Wine and
// Linux systems carry them); "Arial" for an empty name.
std::wstring fontFamilyOf(const char* name);

ComPtr<ID2D1StrokeStyle> strokeStyleOf(const CLineStyle& style);

} // namespace VSTGUI
