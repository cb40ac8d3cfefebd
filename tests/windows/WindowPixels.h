#pragma once
// Pictures for the editor tests: what a window shows (copied from its device
// context) and what a PNG file holds, both as rows of B, G, R bytes (alpha
// left out: the editor's window is opaque).
#include "common/WideText.h"

#include <wincodec.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

struct Picture
{
    int width = 0, height = 0;
    std::vector<uint8_t> bgrx; // 4 bytes a pixel, the fourth unused

    bool empty() const { return bgrx.empty(); }
    const uint8_t* at(int x, int y) const { return bgrx.data() + (static_cast<size_t>(y) * width + x) * 4; }

    // Pixels inside [left, right) x [top, bottom) whose colour differs by
    // more than tolerance in any channel from the other picture's.
    int differingPixels(const Picture& o, int left, int top, int right, int bottom, int tolerance = 0) const
    {
        if (width != o.width || height != o.height)
            return width * height + 1;
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                for (int c = 0; c < 3; ++c)
                    if (std::abs(at(x, y)[c] - o.at(x, y)[c]) > tolerance)
                    {
                        ++n;
                        break;
                    }
        return n;
    }
    int differingPixels(const Picture& o, int tolerance = 0) const
    {
        return differingPixels(o, 0, 0, width, height, tolerance);
    }

    // The client area of a window as the screen shows it.
    static Picture ofWindow(HWND window)
    {
        Picture p;
        RECT r{};
        GetClientRect(window, &r);
        p.width = r.right;
        p.height = r.bottom;
        HDC dc = GetDC(window);
        HDC memory = CreateCompatibleDC(dc);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = p.width;
        info.bmiHeader.biHeight = -p.height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(memory, dib);
        BitBlt(memory, 0, 0, p.width, p.height, dc, 0, 0, SRCCOPY);
        GdiFlush();
        const auto* bytes = static_cast<const uint8_t*>(bits);
        p.bgrx.assign(bytes, bytes + static_cast<size_t>(p.width) * p.height * 4);
        SelectObject(memory, old);
        DeleteObject(dib);
        DeleteDC(memory);
        ReleaseDC(window, dc);
        return p;
    }

    // A PNG file through WIC; empty when it cannot be read.
    static Picture ofPng(const std::string& path)
    {
        Picture p;
        IWICImagingFactory* factory = nullptr;
        IWICBitmapDecoder* decoder = nullptr;
        IWICBitmapFrameDecode* frame = nullptr;
        IWICBitmapSource* bgra = nullptr;
        UINT w = 0, h = 0;
        if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                       reinterpret_cast<void**>(&factory))) &&
            SUCCEEDED(factory->CreateDecoderFromFilename(wideText(path).c_str(), nullptr, GENERIC_READ,
                                                         WICDecodeMetadataCacheOnDemand, &decoder)) &&
            SUCCEEDED(decoder->GetFrame(0, &frame)) &&
            SUCCEEDED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame, &bgra)) &&
            SUCCEEDED(bgra->GetSize(&w, &h)))
        {
            std::vector<uint8_t> bytes(static_cast<size_t>(w) * h * 4);
            if (SUCCEEDED(bgra->CopyPixels(nullptr, w * 4, static_cast<UINT>(bytes.size()), bytes.data())))
            {
                p.width = static_cast<int>(w);
                p.height = static_cast<int>(h);
                p.bgrx.swap(bytes);
            }
        }
        for (IUnknown* object : std::initializer_list<IUnknown*>{bgra, frame, decoder, factory})
            if (object)
                object->Release();
        return p;
    }
};
