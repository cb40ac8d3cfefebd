#pragma once
// A headless frame for control tests and the gallery: a neutral panel (the
// kind of warm colour the themed background has) under the controls, mouse
// and wheel events injected as the window would send them, pixel reads, and
// PNG snapshots written to the gallery folder of the build tree.
//
// Usage:
//     TestFrame f(300, 120);
//     auto* dial = f.add(new Dial(CRect(10, 10, 60, 60), &host, 9, 1, 0, 0.005f));
//     f.move(35, 35);           // hover
//     f.redraw();
//     f.savePNG("dials");       // <build>/tests/controls/gallery/dials.png

#include "toolkit/CColor.h"
#include "toolkit/CDrawContext.h"
#include "toolkit/CFrame.h"
#include "toolkit/CView.h"

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

// Fills its rectangle with one colour; takes no mouse events.
class PanelView : public VSTGUI::CView
{
public:
    PanelView(const VSTGUI::CRect& rectangle, VSTGUI::CColor fill) : VSTGUI::CView(rectangle), colour(fill)
    {
        setMouseEnabled(false);
    }
    void draw(VSTGUI::CDrawContext* context) override
    {
        context->setFillColor(colour);
        context->drawRect(getViewSize(), VSTGUI::kDrawFilled);
        setDirty(false);
    }

private:
    VSTGUI::CColor colour;
};

class TestFrame
{
public:
    explicit TestFrame(VSTGUI::CCoord width = 1024, VSTGUI::CCoord height = 480,
                       VSTGUI::CColor panel = kGalleryPanel)
        : frame(new VSTGUI::CFrame(VSTGUI::CRect(0, 0, width, height), nullptr)), panelColour(panel)
    {
        frame->open(nullptr);
        frame->addView(new PanelView(VSTGUI::CRect(0, 0, width, height), panel));
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
        int first = -1, last = -1;
        for (int x = x0; x < x1; ++x)
            if (!isPanel(x, y))
            {
                first = first < 0 ? x : first;
                last = x;
            }
        return { first, last };
    }

    // Writes <gallery>/<name>.png; false on failure.
    bool savePNG(const std::string& name) const
    {
        std::error_code ec;
        std::filesystem::create_directories(VANT_GALLERY_DIR, ec);
        const std::string path = std::string(VANT_GALLERY_DIR) + "/" + name + ".png";
        return frame->renderToPNG(path.c_str());
    }

    // Injected events, in frame coordinates.
    VSTGUI::CMouseEventResult move(double x, double y, int32_t buttons = 0)
    {
        VSTGUI::CPoint p(x, y);
        return frame->onMouseMoved(p, VSTGUI::CButtonState(buttons));
    }
    VSTGUI::CMouseEventResult down(double x, double y, int32_t buttons = VSTGUI::kLButton)
    {
        VSTGUI::CPoint p(x, y);
        return frame->onMouseDown(p, VSTGUI::CButtonState(buttons));
    }
    VSTGUI::CMouseEventResult up(double x, double y, int32_t buttons = VSTGUI::kLButton)
    {
        VSTGUI::CPoint p(x, y);
        return frame->onMouseUp(p, VSTGUI::CButtonState(buttons));
    }
    bool wheel(double x, double y, float distance, int32_t buttons = 0)
    {
        return frame->onWheel(VSTGUI::CPoint(x, y), VSTGUI::kMouseWheelAxisY, distance, VSTGUI::CButtonState(buttons));
    }
    // Pointer leaves the window.
    void leave(double x, double y)
    {
        VSTGUI::CPoint p(x, y);
        frame->onMouseExited(p, VSTGUI::CButtonState(0));
    }

    // Hovers a view as the window would: entered, then moved over its centre.
    static void hover(VSTGUI::CView* view)
    {
        VSTGUI::CPoint p = view->getViewSize().getCenter();
        view->onMouseEntered(p, VSTGUI::CButtonState(0));
        view->onMouseMoved(p, VSTGUI::CButtonState(0));
    }

    VSTGUI::CFrame* frame;
    VSTGUI::CColor panelColour;
};
