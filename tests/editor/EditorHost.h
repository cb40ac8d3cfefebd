#pragma once
// The instrument linked into the test program and opened through its entry
// point as a host opens it, with its editor opened headless (effEditOpen
// without a parent window). Mouse events go to the editor's frame in
// window pixels, as the window would send them.

#include "common/EditorRequests.h"
#include "editor/KelGui.h"
#include "plugin/Kelvane.h"
#include "plugin/PluginFactory.h"
#include "tools/HostModule.h"

#include "toolkit/CControl.h"
#include "toolkit/CFrame.h"
#include "toolkit/CairoBitmap.h"

#include <cairo.h>

#include <cstdlib>
#include <string>

class EditorHost
{
public:
    EditorHost()
    {
        host.attach(createVantorel);
        if (AEffect* fx = host.open())
        {
            plugin = static_cast<Kelvane*>(AudioEffect::fromAeffect(fx));
            gui = dynamic_cast<KelGui*>(plugin->getEditor());
        }
    }

    bool ok() const { return plugin && gui; }
    bool open() { return host.dispatch(effEditOpen, 0, 0, nullptr) == 1; }
    void close() { host.dispatch(effEditClose); }
    void idle() { host.dispatch(effEditIdle); }
    VSTGUI::CFrame* frame() const { return gui->getFrame(); }
    bool openPage(const char* page)
    {
        return host.dispatch(effVendorSpecific, kEditorRequest, kEditorOpenPage, const_cast<char*>(page)) == 1;
    }
    bool writePng(const std::string& path)
    {
        return host.dispatch(effVendorSpecific, kEditorRequest, kEditorWritePng, const_cast<char*>(path.c_str())) == 1;
    }
    // Idles, then paints the whole window.
    void repaint()
    {
        idle();
        frame()->invalid();
        frame()->updateNow();
    }

    // Mouse, in window pixels.
    void down(double x, double y, int32_t buttons = VSTGUI::kLButton)
    {
        VSTGUI::CPoint p(x, y);
        frame()->onMouseDown(p, VSTGUI::CButtonState(buttons));
    }
    void move(double x, double y, int32_t buttons = 0)
    {
        VSTGUI::CPoint p(x, y);
        frame()->onMouseMoved(p, VSTGUI::CButtonState(buttons));
    }
    void up(double x, double y, int32_t buttons = VSTGUI::kLButton)
    {
        VSTGUI::CPoint p(x, y);
        frame()->onMouseUp(p, VSTGUI::CButtonState(buttons));
    }
    void click(double x, double y, int32_t buttons = VSTGUI::kLButton)
    {
        move(x, y);
        down(x, y, buttons);
        up(x, y, buttons);
    }

    HostModule host;
    Kelvane* plugin = nullptr;
    KelGui* gui = nullptr;
};

// The window's pixels, for comparing two moments or a reference picture.
struct WindowImage
{
    int width = 0, height = 0, stride = 0;
    std::string bytes;

    static WindowImage of(VSTGUI::CFrame* frame)
    {
        WindowImage image;
        cairo_surface_t* s = VSTGUI::cairoSurfaceOf(frame->getBackBuffer());
        cairo_surface_flush(s);
        image.take(s);
        return image;
    }
    // Empty when the file cannot be read.
    static WindowImage fromPng(const std::string& path)
    {
        WindowImage image;
        cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
        if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS)
            image.take(s);
        cairo_surface_destroy(s);
        return image;
    }
    // Pixels whose channels differ by more than tolerance.
    int differingPixels(const WindowImage& o, int tolerance = 0) const
    {
        if (width != o.width || height != o.height)
            return width * height + 1;
        int n = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                for (int c = 0; c < 4; ++c)
                {
                    const int a = static_cast<unsigned char>(bytes[y * stride + 4 * x + c]);
                    const int b = static_cast<unsigned char>(o.bytes[y * o.stride + 4 * x + c]);
                    if (std::abs(a - b) > tolerance)
                    {
                        ++n;
                        break;
                    }
                }
        return n;
    }

private:
    void take(cairo_surface_t* s)
    {
        width = cairo_image_surface_get_width(s);
        height = cairo_image_surface_get_height(s);
        stride = cairo_image_surface_get_stride(s);
        bytes.assign(reinterpret_cast<const char*>(cairo_image_surface_get_data(s)),
                     static_cast<size_t>(stride) * height);
    }
};
