#pragma once
// The window system behind a CFrame: headless (an image only) or an X11
// child window. The frame draws into its back buffer; the platform shows it.

#include "toolkit/CMouseEvent.h"
#include "toolkit/CRect.h"

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
    // The native window (X11 Window id), or 0.
    virtual unsigned long getNativeWindow() const { return 0; }
};

} // namespace VSTGUI
