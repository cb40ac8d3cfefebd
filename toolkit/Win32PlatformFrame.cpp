#include "toolkit/Win32PlatformFrame.h"

#include "toolkit/CFrame.h"
#include "toolkit/Direct2DBitmap.h"

#include <windowsx.h>

#include <algorithm>

namespace VSTGUI {

namespace {

constexpr const wchar_t* kWindowClass = L"VantorelEditorFrame";
int framesOpen = 0; // the class lives while a frame does (GUI thread only)

// Any address inside this module names the DLL that holds it.
void moduleAnchor() {}

HINSTANCE thisModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&moduleAnchor), &module);
    return module;
}

int32_t modifiers()
{
    int32_t m = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        m |= kShift;
    if (GetKeyState(VK_CONTROL) < 0)
        m |= kControl;
    if (GetKeyState(VK_MENU) < 0)
        m |= kAlt;
    return m;
}

int32_t buttonsOf(WPARAM wParam)
{
    int32_t b = 0;
    if (wParam & MK_LBUTTON)
        b |= kLButton;
    if (wParam & MK_MBUTTON)
        b |= kMButton;
    if (wParam & MK_RBUTTON)
        b |= kRButton;
    if (wParam & MK_XBUTTON1)
        b |= kButton4;
    if (wParam & MK_XBUTTON2)
        b |= kButton5;
    return b;
}

CPoint pointOf(LPARAM lParam) { return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); }

unsigned char virtualKeyOf(WPARAM key)
{
    switch (key)
    {
    case VK_BACK: return VKEY_BACK;
    case VK_TAB: return VKEY_TAB;
    case VK_CLEAR: return VKEY_CLEAR;
    case VK_RETURN: return VKEY_RETURN;
    case VK_PAUSE: return VKEY_PAUSE;
    case VK_ESCAPE: return VKEY_ESCAPE;
    case VK_SPACE: return VKEY_SPACE;
    case VK_NEXT: return VKEY_NEXT;
    case VK_END: return VKEY_END;
    case VK_HOME: return VKEY_HOME;
    case VK_LEFT: return VKEY_LEFT;
    case VK_UP: return VKEY_UP;
    case VK_RIGHT: return VKEY_RIGHT;
    case VK_DOWN: return VKEY_DOWN;
    case VK_PRIOR: return VKEY_PAGEUP;
    case VK_INSERT: return VKEY_INSERT;
    case VK_DELETE: return VKEY_DELETE;
    case VK_HELP: return VKEY_HELP;
    case VK_SHIFT: return VKEY_SHIFT;
    case VK_CONTROL: return VKEY_CONTROL;
    case VK_MENU: return VKEY_ALT;
    default:
        if (key >= VK_F1 && key <= VK_F12)
            return static_cast<unsigned char>(VKEY_F1 + (key - VK_F1));
        return 0;
    }
}

unsigned char keyModifiers()
{
    unsigned char m = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        m |= MODIFIER_SHIFT;
    if (GetKeyState(VK_MENU) < 0)
        m |= MODIFIER_ALTERNATE;
    if (GetKeyState(VK_CONTROL) < 0)
        m |= MODIFIER_CONTROL;
    return m;
}

} // namespace

std::unique_ptr<IPlatformFrame> createWindowPlatformFrame(CFrame* frame, void* parent)
{
    return Win32PlatformFrame::create(frame, static_cast<HWND>(parent));
}

std::unique_ptr<Win32PlatformFrame> Win32PlatformFrame::create(CFrame* frame, HWND parent)
{
    if (!IsWindow(parent))
        return nullptr;
    if (framesOpen == 0)
    {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS; // double clicks arrive as such
        wc.lpfnWndProc = &Win32PlatformFrame::windowProc;
        wc.hInstance = thisModule();
        wc.lpszClassName = kWindowClass;
        if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            return nullptr;
    }
    ++framesOpen;
    std::unique_ptr<Win32PlatformFrame> p(new Win32PlatformFrame(frame));
    p->window = CreateWindowExW(0, kWindowClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0,
                                static_cast<int>(frame->getWidth()), static_cast<int>(frame->getHeight()), parent,
                                nullptr, thisModule(), p.get());
    if (!p->window)
        return nullptr; // the destructor gives the class back
    return p;
}

Win32PlatformFrame::Win32PlatformFrame(CFrame* f) : frame(f) {}

Win32PlatformFrame::~Win32PlatformFrame()
{
    if (window)
    {
        if (GetCapture() == window)
            ReleaseCapture();
        if (GetFocus() == window)
            returnKeyboardFocus();
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }
    if (--framesOpen == 0)
        UnregisterClassW(kWindowClass, thisModule());
}

LRESULT CALLBACK Win32PlatformFrame::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
    {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32PlatformFrame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || !self->window)
    {
        if (self && message == WM_NCCREATE)
            self->window = window;
        else
            return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT Win32PlatformFrame::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        paint(dc, ps.rcPaint);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_ERASEBKGND: return 1; // the back buffer covers everything
    case WM_LBUTTONDOWN: mouseDown(kLButton, wParam, lParam, false); return 0;
    case WM_MBUTTONDOWN: mouseDown(kMButton, wParam, lParam, false); return 0;
    case WM_RBUTTONDOWN: mouseDown(kRButton, wParam, lParam, false); return 0;
    case WM_LBUTTONDBLCLK: mouseDown(kLButton, wParam, lParam, true); return 0;
    case WM_MBUTTONDBLCLK: mouseDown(kMButton, wParam, lParam, true); return 0;
    case WM_RBUTTONDBLCLK: mouseDown(kRButton, wParam, lParam, true); return 0;
    case WM_XBUTTONDOWN:
    case WM_XBUTTONDBLCLK:
        mouseDown(GET_XBUTTON_WPARAM(wParam) == XBUTTON1 ? kButton4 : kButton5, wParam, lParam,
                  message == WM_XBUTTONDBLCLK);
        return TRUE;
    case WM_LBUTTONUP: mouseUp(kLButton, wParam, lParam); return 0;
    case WM_MBUTTONUP: mouseUp(kMButton, wParam, lParam); return 0;
    case WM_RBUTTONUP: mouseUp(kRButton, wParam, lParam); return 0;
    case WM_XBUTTONUP:
        mouseUp(GET_XBUTTON_WPARAM(wParam) == XBUTTON1 ? kButton4 : kButton5, wParam, lParam);
        return TRUE;
    case WM_MOUSEMOVE: {
        if (!trackingLeave)
        {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
            trackingLeave = TrackMouseEvent(&track) != 0;
        }
        CPoint where = pointOf(lParam);
        frame->onMouseMoved(where, buttonsOf(wParam) | modifiers());
        return 0;
    }
    case WM_MOUSELEAVE: {
        trackingLeave = false;
        POINT p{};
        GetCursorPos(&p);
        ScreenToClient(window, &p);
        CPoint where(p.x, p.y);
        frame->onMouseExited(where, modifiers());
        return 0;
    }
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL: {
        // Wheel positions come in screen coordinates.
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(window, &p);
        const float notches = static_cast<float>(GET_WHEEL_DELTA_WPARAM(wParam)) / WHEEL_DELTA;
        // Up (away from the user) is +1; a tilt to the left is +1 as well.
        if (message == WM_MOUSEWHEEL)
            frame->onWheel(CPoint(p.x, p.y), kMouseWheelAxisY, notches, modifiers());
        else
            frame->onWheel(CPoint(p.x, p.y), kMouseWheelAxisX, -notches, modifiers());
        return 0;
    }
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT)
        {
            SetCursor(cursorHandle());
            return TRUE;
        }
        break;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != window)
            buttonsDown = 0; // another window took the mouse
        return 0;
    case WM_GETDLGCODE: return frame->getFocusView() ? DLGC_WANTALLKEYS | DLGC_WANTCHARS : 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
        if (key(message, wParam, lParam))
            return 0;
        // Not ours: the host's window gets it.
        if (HWND parent = GetParent(window))
            return SendMessageW(parent, message, wParam, lParam);
        break;
    case WM_DESTROY:
        // The host destroyed its window, and ours with it.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        window = nullptr;
        return 0;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Win32PlatformFrame::mouseDown(int32_t button, WPARAM wParam, LPARAM lParam, bool doubleClick)
{
    buttonsDown |= button;
    if (GetCapture() != window)
        SetCapture(window); // moves and the release follow the drag outside
    CPoint where = pointOf(lParam);
    frame->onMouseDown(where, buttonsOf(wParam) | button | modifiers() | (doubleClick ? kDoubleClick : 0));
}

void Win32PlatformFrame::mouseUp(int32_t button, WPARAM wParam, LPARAM lParam)
{
    buttonsDown &= ~button;
    CPoint where = pointOf(lParam);
    // The up carries the released button with any still held.
    frame->onMouseUp(where, buttonsOf(wParam) | button | modifiers());
}

void Win32PlatformFrame::mouseReleased()
{
    if (buttonsDown == 0 && window && GetCapture() == window)
        ReleaseCapture();
}

bool Win32PlatformFrame::key(UINT message, WPARAM wParam, LPARAM lParam)
{
    VstKeyCode code;
    code.modifier = keyModifiers();
    if (message == WM_CHAR)
    {
        // Keys with a virtual code went with their key-down; this is text.
        const unsigned ch = static_cast<unsigned>(wParam);
        if (ch < 32 || ch == 127 || ch == ' ' || (ch >= 0xD800 && ch <= 0xDFFF))
            return ch < 32 || ch == ' ';
        code.character = static_cast<int32_t>(ch);
        return frame->onKeyDown(code) > 0;
    }
    code.virt = virtualKeyOf(wParam);
    if (code.virt == 0)
    {
        // While a view edits text its characters follow as WM_CHAR: the
        // host must not take the key for a shortcut.
        return frame->getFocusView() != nullptr;
    }
    if (code.virt == VKEY_SPACE)
        code.character = ' ';
    return (message == WM_KEYDOWN ? frame->onKeyDown(code) : frame->onKeyUp(code)) > 0;
}

HCURSOR Win32PlatformFrame::cursorHandle() const
{
    if (hidden)
        return nullptr;
    LPCWSTR shape = IDC_ARROW;
    switch (cursor)
    {
    case kCursorWait: shape = IDC_WAIT; break;
    case kCursorHSize: shape = IDC_SIZEWE; break;
    case kCursorVSize: shape = IDC_SIZENS; break;
    case kCursorSizeAll: shape = IDC_SIZEALL; break;
    case kCursorNESWSize: shape = IDC_SIZENESW; break;
    case kCursorNWSESize: shape = IDC_SIZENWSE; break;
    case kCursorCopy: shape = IDC_ARROW; break;
    case kCursorNotAllowed: shape = IDC_NO; break;
    case kCursorHand: shape = IDC_HAND; break;
    case kCursorIBeam: shape = IDC_IBEAM; break;
    default: break;
    }
    return LoadCursorW(nullptr, shape);
}

void Win32PlatformFrame::setCursor(CCursorType type)
{
    hidden = type == kCursorHidden;
    if (!hidden)
        cursor = type;
    // During a drag the window holds the mouse: the shape applies at once and
    // stays (hidden ones too) until the release.
    if (!window)
        return;
    POINT p{};
    GetCursorPos(&p);
    if (GetCapture() == window || WindowFromPoint(p) == window)
        SetCursor(cursorHandle());
}

void Win32PlatformFrame::takeKeyboardFocus()
{
    if (!window)
        return;
    HWND old = SetFocus(window);
    if (old != window)
        previousFocus = old;
}

void Win32PlatformFrame::returnKeyboardFocus()
{
    if (!window || GetFocus() != window)
    {
        previousFocus = nullptr; // the user has moved on
        return;
    }
    HWND target = previousFocus && IsWindow(previousFocus) ? previousFocus : GetParent(window);
    SetFocus(target);
    previousFocus = nullptr;
}

void Win32PlatformFrame::paint(HDC dc, const RECT& area)
{
    IPlatformBitmap* back = frame->getBackBuffer();
    if (!back)
        return;
    const int bw = static_cast<int>(back->getSize().x), bh = static_cast<int>(back->getSize().y);
    const int left = std::max(0, static_cast<int>(area.left)), top = std::max(0, static_cast<int>(area.top));
    const int right = std::min(bw, static_cast<int>(area.right)), bottom = std::min(bh, static_cast<int>(area.bottom));
    if (right <= left || bottom <= top)
        return;
    // Read only: the drawing backend need not take the pixels back.
    auto* direct2D = dynamic_cast<Direct2DBitmap*>(back);
    auto pixels = direct2D ? direct2D->lockPixelsToRead() : back->lockPixels(true);
    if (!pixels)
        return;
    // The rows from top on, as a top-down DIB of their own: the source then
    // starts at its first row whatever GDI's conventions for offsets are.
    const uint32_t stride = pixels->getBytesPerRow();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = static_cast<LONG>(stride / 4);
    info.bmiHeader.biHeight = -(bottom - top);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const uint8_t* rows = pixels->getAddress() + static_cast<size_t>(top) * stride;
    StretchDIBits(dc, left, top, right - left, bottom - top, left, 0, right - left, bottom - top, rows, &info,
                  DIB_RGB_COLORS, SRCCOPY);
}

void Win32PlatformFrame::present(const std::vector<CRect>& rects)
{
    if (!window || !IsWindowVisible(window))
        return; // hidden: WM_PAINT shows the back buffer when it appears
    HDC dc = GetDC(window);
    if (!dc)
        return;
    for (const CRect& r : rects)
    {
        CRect whole(r);
        whole.makeIntegral();
        const RECT area{static_cast<LONG>(whole.left), static_cast<LONG>(whole.top), static_cast<LONG>(whole.right),
                        static_cast<LONG>(whole.bottom)};
        paint(dc, area);
    }
    ReleaseDC(window, dc);
}

} // namespace VSTGUI
