#pragma once
// The top container: one window of fixed size. open() on a native parent
// (an X11 Window id, or a Windows HWND) creates a child window;
// open(nullptr) opens headless,
// drawing into an image only. Everything runs on the GUI thread, driven by
// idle(): pending window events are handled, dirty views invalidated, the
// invalid rectangles repainted into the back buffer and shown.
//
// Event entry points (onMouseDown ... onKeyDown) are public so that tests
// and hosts can inject events; coordinates are frame (window) pixels.

#include "toolkit/CViewContainer.h"
#include "toolkit/IPlatformBitmap.h"
#include "toolkit/IPlatformFrame.h"
#include "toolkit/VSTGUIEditorInterface.h"

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace VSTGUI {

class CFrame : public CViewContainer
{
public:
    CFrame(const CRect& size, VSTGUIEditorInterface* editor);

    // parent: X11 Window id cast to a pointer or an HWND, or null for headless.
    bool open(void* parent);
    // Removes all views, closes the window and releases the frame (forget).
    void close();
    bool isOpen() const { return platformFrame != nullptr; }
    bool isHeadless() const { return platformFrame && platformFrame->isHeadless(); }
    IPlatformFrame* getPlatformFrame() const { return platformFrame.get(); }
    VSTGUIEditorInterface* getEditor() const { return editor; }

    // Also makes the calling thread the GUI thread: some hosts open the
    // editor on one thread and idle it from another.
    void idle();
    // True on the thread that last ran idle (before the first idle, the one
    // that opened the frame). Elsewhere (a host calling setParameter from
    // its audio thread) views only mark themselves dirty; the next idle
    // redraws them.
    bool isGuiThread() const { return std::this_thread::get_id() == guiThread.load(std::memory_order_relaxed); }
    // Repaints every invalid rectangle now (idle does this too).
    void updateNow();

    void setCursor(CCursorType type);
    // The last shape asked for (kept while the pointer is hidden).
    CCursorType getCursor() const { return cursor; }
    bool isPointerHidden() const { return pointerHidden; }
    // Gives the keyboard back to the host window.
    void returnKeyboardFocus();

    void setFocusView(CView* view);
    CView* getFocusView() const { return focusView; }
    void setActive(bool state) { active = state; }
    bool isActive() const { return active; }

    int32_t getKnobMode() const;
    void beginEdit(int32_t index);
    void endEdit(int32_t index);
    bool setSize(CCoord width, CCoord height);

    // Event entry points.
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    // The pointer left the window.
    CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons) override;
    bool onWheel(const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
                 const CButtonState& buttons) override;
    using CViewContainer::onWheel;
    int32_t onKeyDown(VstKeyCode& keyCode) override;
    int32_t onKeyUp(VstKeyCode& keyCode) override;

    // Views: detaching a view drops any hover, focus or capture on it.
    bool removeView(CView* view, bool withForget = true) override;
    bool removeAll(bool withForget = true) override;
    void invalidRect(const CRect& r) override;
    void invalid() override { invalidRect(getViewSize()); }
    void draw(CDrawContext* context) override;
    void drawRect(CDrawContext* context, const CRect& updateRect) override;
    void onViewRemoved(CView* view);

    // Inspection for tests and screenshots.
    const std::vector<CRect>& getInvalidRects() const { return invalidRects; }
    // Straight colour of a back-buffer pixel (transparent outside).
    CColor getPixel(int32_t x, int32_t y) const;
    // Writes the back buffer as PNG; false on failure.
    bool renderToPNG(const char* path) const;
    // The picture of the whole window (the backend's pixel store).
    IPlatformBitmap* getBackBuffer() const { return backBuffer.get(); }
    const std::vector<CView*>& getHoverViews() const { return hoverViews; }

protected:
    ~CFrame() override;
    void updateHover(const CPoint& where, const CButtonState& buttons);
    void clearHover(const CPoint& where, const CButtonState& buttons);
    void closePlatform();

    VSTGUIEditorInterface* editor;
    std::unique_ptr<IPlatformFrame> platformFrame;
    SharedPointer<IPlatformBitmap> backBuffer;
    std::vector<CRect> invalidRects;
    std::vector<CView*> hoverViews; // outermost first
    CView* focusView = nullptr;
    CCursorType cursor = kCursorDefault;
    bool active = true;
    bool inIdle = false;
    std::atomic<std::thread::id> guiThread{};
    std::atomic<bool> redrawAllRequested{false};
    bool pointerHidden = false;
    bool mouseButtonsDown = false;
};

} // namespace VSTGUI
