#pragma once
// A headless frame for control tests and the gallery: a neutral panel (the
// kind of warm colour the themed background has) under the controls, mouse
// and wheel events injected as the window would send them, pixel reads, and
// PNG snapshots written to the gallery folder of the build tree.

#include "toolkit/CColor.h"
#include "toolkit/CFrame.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>

#ifndef VANT_GALLERY_DIR
#define VANT_GALLERY_DIR "gallery"
#endif

// Flat panel colour behind the controls.
constexpr VSTGUI::CColor kGalleryPanel(196, 168, 118, 255);

// Mean of red, green and blue.
inline double brightness(const VSTGUI::CColor& c) { return (c.red + c.green + c.blue) / 3.0; }

inline bool samePixel(const VSTGUI::CColor& a, const VSTGUI::CColor& b, int tolerance = 0)
{
    return std::abs(a.red - b.red) <= tolerance && std::abs(a.green - b.green) <= tolerance &&
           std::abs(a.blue - b.blue) <= tolerance;
}

class TestFrame
{
public:
    explicit TestFrame(VSTGUI::CCoord width, VSTGUI::CCoord height, VSTGUI::CColor panel = kGalleryPanel)
        : frame(new VSTGUI::CFrame(VSTGUI::CRect(0, 0, width, height), nullptr)), panelColour(panel)
    {
        frame->open(nullptr);
        frame->setBackgroundColor(panel);
    }
    ~TestFrame() { frame->close(); }
    TestFrame(const TestFrame&) = delete;
    TestFrame& operator=(const TestFrame&) = delete;

    // The frame takes ownership.
    template <class View>
    View* add(View* view)
    {
        frame->addView(view);
        return view;
    }

    // Repaints everything now.
    void redraw()
    {
        frame->invalid();
        frame->updateNow();
    }
    // What the editor's idle would do: dirty views are repainted.
    void idle() { frame->idle(); }

    VSTGUI::CColor pixel(int x, int y) const { return frame->getPixel(x, y); }
    bool isPanel(int x, int y) const { return samePixel(pixel(x, y), panelColour); }
    // Pixels of r that differ from the plain panel.
    int inked(const VSTGUI::CRect& r) const
    {
        int n = 0;
        for (int y = static_cast<int>(r.top); y < static_cast<int>(r.bottom); ++y)
            for (int x = static_cast<int>(r.left); x < static_cast<int>(r.right); ++x)
                n += isPanel(x, y) ? 0 : 1;
        return n;
    }
    // First and last inked column of row y in x0..x1 (-1, -1 when none).
    std::pair<int, int> inkedSpan(int y, int x0, int x1) const
    {
        std::pair<int, int> span{-1, -1};
        for (int x = x0; x < x1; ++x)
            if (!isPanel(x, y))
                span = {span.first < 0 ? x : span.first, x};
        return span;
    }

    // Writes <gallery>/<name>.png; false on failure.
    bool savePNG(const std::string& name) const
    {
        std::error_code ec;
        std::filesystem::create_directories(VANT_GALLERY_DIR, ec);
        return frame->renderToPNG((std::string(VANT_GALLERY_DIR) + "/" + name + ".png").c_str());
    }

    // Injected events, in frame coordinates.
    void move(double x, double y, int32_t buttons = 0) { frame->onMouseMoved(at(x, y), VSTGUI::CButtonState(buttons)); }
    void down(double x, double y, int32_t buttons = VSTGUI::kLButton)
    {
        frame->onMouseDown(at(x, y), VSTGUI::CButtonState(buttons));
    }
    void up(double x, double y, int32_t buttons = VSTGUI::kLButton)
    {
        frame->onMouseUp(at(x, y), VSTGUI::CButtonState(buttons));
    }
    void click(double x, double y, int32_t buttons = VSTGUI::kLButton)
    {
        down(x, y, buttons);
        up(x, y, buttons);
    }
    bool wheel(double x, double y, float distance, int32_t buttons = 0)
    {
        return frame->onWheel(VSTGUI::CPoint(x, y), VSTGUI::kMouseWheelAxisY, distance, VSTGUI::CButtonState(buttons));
    }
    // Hovers a view as the window would: entered, then moved over its centre.
    static void hover(VSTGUI::CView* view)
    {
        VSTGUI::CPoint p = view->getViewSize().getCenter();
        view->onMouseEntered(p, VSTGUI::CButtonState(0));
        view->onMouseMoved(p, VSTGUI::CButtonState(0));
    }

    VSTGUI::CFrame* frame;

private:
    VSTGUI::CPoint& at(double x, double y) { return point = VSTGUI::CPoint(x, y); }
    VSTGUI::CPoint point;
    VSTGUI::CColor panelColour;
};
