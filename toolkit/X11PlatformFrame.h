#pragma once
// Platform of a frame inside a host's X11 window: a child window on a
// private display connection. Events are pumped from the frame's idle (the
// host's GUI thread); no thread of our own. Keys the frame does not use
// are handed on to the host.

#include "toolkit/IPlatformFrame.h"

#include <bitset>
#include <map>
#include <memory>

typedef struct _XDisplay Display;
typedef union _XEvent XEvent;
typedef struct _XGC* GC;

namespace VSTGUI {

class X11PlatformFrame : public IPlatformFrame
{
public:
    // Null when the display cannot be opened or the window not created.
    static std::unique_ptr<X11PlatformFrame> create(CFrame* frame, unsigned long parent);
    ~X11PlatformFrame() override;

    X11PlatformFrame(const X11PlatformFrame&) = delete;
    X11PlatformFrame& operator=(const X11PlatformFrame&) = delete;

    void pumpEvents() override;
    void present(const std::vector<CRect>& rects) override;
    void setCursor(CCursorType type) override;
    void mouseReleased() override;
    void takeKeyboardFocus() override;
    void returnKeyboardFocus() override;
    bool isHeadless() const override { return false; }
    bool isShowing() const override { return mapped; }
    uintptr_t getNativeWindow() const override { return window; }

    // Longest gap (ms) and distance (px either way) between the presses of
    // a double click.
    static constexpr unsigned long kDoubleClickTime = 500;
    static constexpr int kDoubleClickDistance = 2;

private:
    X11PlatformFrame(CFrame* frame, Display* display, unsigned long parent);
    bool createWindow();
    void dispatch(XEvent& event);
    void presentRect(const CRect& r);
    unsigned long cursorFor(CCursorType type);
    // Where keys go back to: the window that had the keyboard before us.
    unsigned long hostKeyWindow() const;
    // Hands a key the frame did not use on to the host.
    void passKeyToHost(XEvent& event);

    CFrame* frame;
    Display* display;
    unsigned long parent;
    unsigned long window = 0;
    void* visual = nullptr; // Visual*
    int depth = 0;
    GC gc = nullptr;
    bool directImage = false;
    std::map<int, unsigned long> cursors;
    unsigned long blankCursor = 0;
    bool pointerGrabbed = false;
    bool hidden = false;
    bool mapped = false;
    unsigned long previousFocus = 0;
    bool gone = false; // destroyed with the host's window
    int buttonsDown = 0;
    std::vector<CRect> exposed;
    // Key codes whose press went to the host: their release follows it.
    std::bitset<256> forwardedKeys;
    // Double-click tracking.
    unsigned long lastPressTime = 0;
    unsigned int lastPressButton = 0;
    int lastPressX = 0, lastPressY = 0;
    bool lastPressWasDouble = false;
};

} // namespace VSTGUI
