#pragma once
// Platform of a frame inside a Windows host's window: a child window of the
// host's HWND with a window procedure of its own. The host's message loop
// brings its mouse and keyboard messages; idle repaints the invalid parts of
// the back buffer into it. The keyboard stays with the host unless a view
// that edits text takes it; keys the frame does not use go to the host.

#include "toolkit/IPlatformFrame.h"

#include <windows.h>

namespace VSTGUI {

class Win32PlatformFrame : public IPlatformFrame
{
public:
    // Null when the window cannot be made.
    static std::unique_ptr<Win32PlatformFrame> create(CFrame* frame, HWND parent);
    ~Win32PlatformFrame() override;

    Win32PlatformFrame(const Win32PlatformFrame&) = delete;
    Win32PlatformFrame& operator=(const Win32PlatformFrame&) = delete;

    void pumpEvents() override {}
    void present(const std::vector<CRect>& rects) override;
    void setCursor(CCursorType type) override;
    void mouseReleased() override;
    void takeKeyboardFocus() override;
    void returnKeyboardFocus() override;
    bool isHeadless() const override { return false; }
    bool isShowing() const override { return window && IsWindowVisible(window); }
    uintptr_t getNativeWindow() const override { return reinterpret_cast<uintptr_t>(window); }

private:
    explicit Win32PlatformFrame(CFrame* frame);
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    // Copies a rectangle of the back buffer onto the window.
    void paint(HDC dc, const RECT& area);
    void mouseDown(int32_t button, WPARAM wParam, LPARAM lParam, bool doubleClick);
    void mouseUp(int32_t button, WPARAM wParam, LPARAM lParam);
    bool key(UINT message, WPARAM wParam, LPARAM lParam);
    HCURSOR cursorHandle() const;

    CFrame* frame;
    HWND window = nullptr;
    HWND previousFocus = nullptr;
    CCursorType cursor = kCursorDefault;
    bool hidden = false;
    bool trackingLeave = false;
    int32_t buttonsDown = 0;
};

} // namespace VSTGUI
