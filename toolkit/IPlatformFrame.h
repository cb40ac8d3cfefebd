#pragma once
// The window system behind a CFrame: headless (an image only), an X11 child
// window (Linux) or a Win32 child window (Windows). The frame draws into its
// back buffer; the platform shows it.

#include "toolkit/CMouseEvent.h"
#include "toolkit/CRect.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace VSTGUI {

class IPlatformFrame
{
public:
    virtual ~IPlatformFrame() = default;
    // Pumps pending window-system events into the frame (GUI thread only).
    virtual void pumpEvents() = 0;
    // Shows the given rectangles of the frame's back buffer.
    virtual void present(const std::vector<CRect>& rects) = 0;
    virtual void setCursor(CCursorType type) = 0;
    // Mouse button released: ends a hidden-pointer grab.
    virtual void mouseReleased() {}
    virtual void takeKeyboardFocus() {}
    virtual void returnKeyboardFocus() {}
    virtual bool isHeadless() const = 0;
    // False while the host keeps the window unmapped: redraws wait.
    virtual bool isShowing() const { return true; }
    // The native window (X11 Window id, HWND), or 0.
    virtual uintptr_t getNativeWindow() const { return 0; }
};

// A child window of the host's window (X11 Window id or HWND), drawn from
// the frame's back buffer; null when it cannot be made. Defined by the
// platform's window unit (X11PlatformFrame, Win32PlatformFrame).
std::unique_ptr<IPlatformFrame> createWindowPlatformFrame(CFrame* frame, void* parent);

} // namespace VSTGUI
