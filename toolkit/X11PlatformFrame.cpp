#include "toolkit/X11PlatformFrame.h"

#include "toolkit/CFrame.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <X11/keysym.h>

#include <cctype>
#include <cstdlib>

namespace VSTGUI {

namespace {

// X errors on a window the host may already have destroyed must not reach
// Xlib's default handler, which exits the process. While one of our calls
// runs, a handler of ours is installed; errors of other connections go on
// to the handler that was there before. All of this is on the GUI thread.
Display* guardedDisplay = nullptr;
int (*hostHandler)(Display*, XErrorEvent*) = nullptr;
int lastErrorCode = 0;

int guardedXError(Display* d, XErrorEvent* e)
{
    if (d == guardedDisplay)
    {
        lastErrorCode = e->error_code;
        return 0;
    }
    return hostHandler ? hostHandler(d, e) : 0;
}

struct XErrorGuard
{
    explicit XErrorGuard(Display* d) : display(d), outermost(guardedDisplay == nullptr)
    {
        if (!outermost)
            return;
        guardedDisplay = display;
        lastErrorCode = 0;
        hostHandler = XSetErrorHandler(guardedXError);
    }
    ~XErrorGuard()
    {
        if (!outermost)
            return;
        XSync(display, False); // collect the errors of everything sent
        XSetErrorHandler(hostHandler);
        hostHandler = nullptr;
        guardedDisplay = nullptr;
    }
    // Error code of the last failed request, or 0.
    int error() const { return lastErrorCode; }
    XErrorGuard(const XErrorGuard&) = delete;
    XErrorGuard& operator=(const XErrorGuard&) = delete;
    Display* display;
    bool outermost;
};

// Our flag for each X state mask bit that is set.
struct MaskFlag
{
    unsigned int mask;
    int32_t flag;
};
template <size_t N>
int32_t flagsOf(unsigned int state, const MaskFlag (&table)[N])
{
    int32_t flags = 0;
    for (const MaskFlag& m : table)
        if (state & m.mask)
            flags |= m.flag;
    return flags;
}

int32_t modifiersOf(unsigned int state)
{
    // Lock and NumLock (Mod2) are ignored on purpose.
    static const MaskFlag table[] = {{ShiftMask, kShift}, {ControlMask, kControl}, {Mod1Mask, kAlt}};
    return flagsOf(state, table);
}

int32_t buttonsOf(unsigned int state)
{
    static const MaskFlag table[] = {{Button1Mask, kLButton}, {Button2Mask, kMButton}, {Button3Mask, kRButton}};
    return flagsOf(state, table);
}

int32_t buttonBit(unsigned int button)
{
    switch (button)
    {
    case 1: return kLButton;
    case 2: return kMButton;
    case 3: return kRButton;
    case 8: return kButton4;
    case 9: return kButton5;
    default: return 0;
    }
}

unsigned char virtualKeyOf(KeySym sym)
{
    switch (sym)
    {
    case XK_BackSpace: return VKEY_BACK;
    case XK_Tab: return VKEY_TAB;
    case XK_Clear: return VKEY_CLEAR;
    case XK_Return: return VKEY_RETURN;
    case XK_Pause: return VKEY_PAUSE;
    case XK_Escape: return VKEY_ESCAPE;
    case XK_space: return VKEY_SPACE;
    case XK_Next: return VKEY_NEXT;
    case XK_End: return VKEY_END;
    case XK_Home: return VKEY_HOME;
    case XK_Left: return VKEY_LEFT;
    case XK_Up: return VKEY_UP;
    case XK_Right: return VKEY_RIGHT;
    case XK_Down: return VKEY_DOWN;
    case XK_Prior: return VKEY_PAGEUP;
    case XK_KP_Enter: return VKEY_ENTER;
    case XK_Insert: return VKEY_INSERT;
    case XK_Delete: return VKEY_DELETE;
    case XK_Help: return VKEY_HELP;
    case XK_F1: return VKEY_F1;
    case XK_F2: return VKEY_F2;
    case XK_F3: return VKEY_F3;
    case XK_F4: return VKEY_F4;
    case XK_F5: return VKEY_F5;
    case XK_F6: return VKEY_F6;
    case XK_F7: return VKEY_F7;
    case XK_F8: return VKEY_F8;
    case XK_F9: return VKEY_F9;
    case XK_F10: return VKEY_F10;
    case XK_F11: return VKEY_F11;
    case XK_F12: return VKEY_F12;
    case XK_Shift_L:
    case XK_Shift_R: return VKEY_SHIFT;
    case XK_Control_L:
    case XK_Control_R: return VKEY_CONTROL;
    case XK_Alt_L:
    case XK_Alt_R: return VKEY_ALT;
    default: return 0;
    }
}

VstKeyCode keyCodeOf(XKeyEvent& event)
{
    char text[8] = {};
    KeySym sym = 0;
    const int n = XLookupString(&event, text, sizeof(text) - 1, &sym, nullptr);
    VstKeyCode key;
    key.virt = virtualKeyOf(sym);
    if (key.virt == 0 && n == 1 && static_cast<unsigned char>(text[0]) >= 32 && text[0] != 127)
        key.character = static_cast<unsigned char>(text[0]); // Latin-1
    else if (key.virt == VKEY_SPACE)
        key.character = ' ';
    if (event.state & ShiftMask)
        key.modifier |= MODIFIER_SHIFT;
    if (event.state & Mod1Mask)
        key.modifier |= MODIFIER_ALTERNATE;
    if (event.state & ControlMask)
        key.modifier |= MODIFIER_CONTROL;
    return key;
}

} // namespace

std::unique_ptr<IPlatformFrame> createWindowPlatformFrame(CFrame* frame, void* parent)
{
    return X11PlatformFrame::create(frame, reinterpret_cast<unsigned long>(parent));
}

std::unique_ptr<X11PlatformFrame> X11PlatformFrame::create(CFrame* frame, unsigned long parent)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return nullptr;
    std::unique_ptr<X11PlatformFrame> p(new X11PlatformFrame(frame, display, parent));
    if (!p->createWindow())
        return nullptr;
    return p;
}

X11PlatformFrame::X11PlatformFrame(CFrame* f, Display* d, unsigned long par) : frame(f), display(d), parent(par) {}

bool X11PlatformFrame::createWindow()
{
    const int w = static_cast<int>(frame->getWidth());
    const int h = static_cast<int>(frame->getHeight());
    XSetWindowAttributes attrs{};
    attrs.background_pixmap = None; // no server clears: no flicker
    attrs.bit_gravity = NorthWestGravity;
    attrs.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask |
                       LeaveWindowMask | KeyPressMask | KeyReleaseMask | FocusChangeMask | StructureNotifyMask |
                       PropertyChangeMask;
    XErrorGuard guard(display);
    window = XCreateWindow(display, parent, 0, 0, static_cast<unsigned>(w), static_cast<unsigned>(h), 0, CopyFromParent,
                           InputOutput, CopyFromParent, CWBackPixmap | CWBitGravity | CWEventMask, &attrs);
    XWindowAttributes wa{};
    if (!window || !XGetWindowAttributes(display, window, &wa))
    {
        window = 0;
        return false;
    }

    // Fixed size: hosts read the hints to size their window.
    XSizeHints* hints = XAllocSizeHints();
    if (hints)
    {
        hints->flags = PSize | PMinSize | PMaxSize | PBaseSize;
        hints->width = hints->min_width = hints->max_width = hints->base_width = w;
        hints->height = hints->min_height = hints->max_height = hints->base_height = h;
        XSetWMNormalHints(display, window, hints);
        XFree(hints);
    }
    // XEmbed info with the "mapped" flag, for hosts that embed that way.
    const Atom xembedInfo = XInternAtom(display, "_XEMBED_INFO", False);
    const long info[2] = {0, 1};
    XChangeProperty(display, window, xembedInfo, xembedInfo, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(info), 2);

    visual = wa.visual;
    depth = wa.depth;
    gc = XCreateGC(display, window, 0, nullptr);
    // Fast path: a 24/32-bit TrueColor visual with the byte order of the
    // back buffer takes its pixels as they are.
    directImage = ImageByteOrder(display) == LSBFirst && (depth == 24 || depth == 32) &&
                  wa.visual->red_mask == 0xff0000 && wa.visual->green_mask == 0xff00 && wa.visual->blue_mask == 0xff;
    XMapWindow(display, window);
    XFlush(display);
    return true;
}

X11PlatformFrame::~X11PlatformFrame()
{
    {
        // Everything here may meet a window the host has already destroyed.
        XErrorGuard guard(display);
        if (gc)
            XFreeGC(display, gc);
        if (pointerGrabbed)
            XUngrabPointer(display, CurrentTime);
        for (auto& c : cursors)
            XFreeCursor(display, c.second);
        if (blankCursor)
            XFreeCursor(display, blankCursor);
        if (window && !gone)
            XDestroyWindow(display, window);
    }
    XCloseDisplay(display);
}

void X11PlatformFrame::pumpEvents()
{
    if (gone)
        return;
    XErrorGuard guard(display);
    while (XPending(display) && !gone)
    {
        XEvent event;
        XNextEvent(display, &event);
        dispatch(event);
    }
}

void X11PlatformFrame::dispatch(XEvent& event)
{
    if (event.xany.window != window)
        return;
    switch (event.type)
    {
    case Expose: {
        exposed.emplace_back(event.xexpose.x, event.xexpose.y, event.xexpose.x + event.xexpose.width,
                             event.xexpose.y + event.xexpose.height);
        if (event.xexpose.count == 0)
        {
            // The back buffer still holds the picture; just show it again.
            for (const CRect& r : exposed)
                presentRect(r);
            exposed.clear();
            XFlush(display);
        }
        break;
    }
    case ButtonPress: {
        const unsigned int b = event.xbutton.button;
        CPoint where(event.xbutton.x, event.xbutton.y);
        const int32_t modifiers = modifiersOf(event.xbutton.state);
        if (b >= 4 && b <= 7)
        {
            // Wheel notches arrive as press/release pairs; the press counts.
            const CMouseWheelAxis axis = b <= 5 ? kMouseWheelAxisY : kMouseWheelAxisX;
            const float distance = (b == 4 || b == 6) ? 1.f : -1.f;
            frame->onWheel(where, axis, distance, modifiers);
            break;
        }
        int32_t state = buttonsOf(event.xbutton.state) | buttonBit(b) | modifiers;
        const long dx = static_cast<long>(event.xbutton.x) - lastPressX;
        const long dy = static_cast<long>(event.xbutton.y) - lastPressY;
        const bool isDouble = !lastPressWasDouble && b == lastPressButton &&
                              event.xbutton.time - lastPressTime <= kDoubleClickTime &&
                              std::labs(dx) <= kDoubleClickDistance && std::labs(dy) <= kDoubleClickDistance;
        if (isDouble)
            state |= kDoubleClick;
        lastPressWasDouble = isDouble;
        lastPressButton = b;
        lastPressTime = event.xbutton.time;
        lastPressX = event.xbutton.x;
        lastPressY = event.xbutton.y;
        buttonsDown |= buttonBit(b);
        // The keyboard stays with the host (its shortcuts keep working)
        // unless a view that edits text takes it.
        frame->onMouseDown(where, state);
        break;
    }
    case ButtonRelease: {
        const unsigned int b = event.xbutton.button;
        if (b >= 4 && b <= 7)
            break;
        CPoint where(event.xbutton.x, event.xbutton.y);
        // The release state still holds the released button.
        const int32_t state = buttonsOf(event.xbutton.state) | buttonBit(b) | modifiersOf(event.xbutton.state);
        buttonsDown &= ~buttonBit(b);
        frame->onMouseUp(where, state);
        break;
    }
    case MotionNotify: {
        // Only the latest position matters.
        while (XCheckTypedWindowEvent(display, window, MotionNotify, &event))
        {}
        CPoint where(event.xmotion.x, event.xmotion.y);
        frame->onMouseMoved(where, buttonsOf(event.xmotion.state) | modifiersOf(event.xmotion.state));
        break;
    }
    case EnterNotify: {
        if (event.xcrossing.mode != NotifyNormal)
            break;
        CPoint where(event.xcrossing.x, event.xcrossing.y);
        frame->onMouseMoved(where, buttonsOf(event.xcrossing.state) | modifiersOf(event.xcrossing.state));
        break;
    }
    case LeaveNotify: {
        if (event.xcrossing.mode != NotifyNormal || event.xcrossing.detail == NotifyInferior)
            break;
        CPoint where(event.xcrossing.x, event.xcrossing.y);
        frame->onMouseExited(where, modifiersOf(event.xcrossing.state));
        break;
    }
    case KeyPress: {
        VstKeyCode key = keyCodeOf(event.xkey);
        const bool used = (key.virt || key.character) && frame->onKeyDown(key) > 0;
        if (!used)
            passKeyToHost(event);
        break;
    }
    case KeyRelease: {
        const unsigned int code = event.xkey.keycode;
        if (code < forwardedKeys.size() && forwardedKeys[code])
        {
            // The host had the press; it gets the release too.
            forwardedKeys[code] = false;
            passKeyToHost(event);
            break;
        }
        VstKeyCode key = keyCodeOf(event.xkey);
        if (key.virt || key.character)
            frame->onKeyUp(key);
        break;
    }
    case MapNotify: mapped = true; break;
    case DestroyNotify:
        // The host destroyed its window (and ours with it).
        gone = true;
        mapped = false;
        break;
    case UnmapNotify: mapped = false; break;
    case ClientMessage: {
        static const char* const kXEmbed = "_XEMBED";
        if (event.xclient.message_type == XInternAtom(display, kXEmbed, False) && event.xclient.data.l[1] == 0 &&
            !mapped)
            XMapWindow(display, window); // embedded notify
        break;
    }
    default: break;
    }
}

void X11PlatformFrame::presentRect(const CRect& rect)
{
    IPlatformBitmap* back = frame->getBackBuffer();
    if (!back || !gc)
        return;
    const int bw = static_cast<int>(back->getSize().x), bh = static_cast<int>(back->getSize().y);
    CRect r(rect);
    r.makeIntegral();
    r.bound(CRect(0, 0, bw, bh));
    if (r.isEmpty())
        return;
    const auto pixels = back->lockPixels(true);
    if (!pixels)
        return;
    const int x = static_cast<int>(r.left), y = static_cast<int>(r.top);
    const unsigned w = static_cast<unsigned>(r.getWidth()), h = static_cast<unsigned>(r.getHeight());
    const int stride = static_cast<int>(pixels->getBytesPerRow());
    char* data = reinterpret_cast<char*>(pixels->getAddress());
    Visual* vis = static_cast<Visual*>(visual);
    if (directImage)
    {
        XImage* image = XCreateImage(display, vis, static_cast<unsigned>(depth), ZPixmap, 0, data,
                                     static_cast<unsigned>(bw), static_cast<unsigned>(bh), 32, stride);
        if (!image)
            return;
        XPutImage(display, window, gc, image, x, y, x, y, w, h);
        image->data = nullptr; // the back buffer is not ours to free
        XDestroyImage(image);
        return;
    }
    // Any other visual: convert pixel by pixel through the visual's masks.
    XImage* image = XCreateImage(display, vis, static_cast<unsigned>(depth), ZPixmap, 0, nullptr, w, h, 32, 0);
    if (!image)
        return;
    image->data = static_cast<char*>(std::malloc(static_cast<size_t>(image->bytes_per_line) * h));
    if (!image->data)
    {
        XDestroyImage(image);
        return;
    }
    auto channel = [](unsigned long mask, unsigned value) {
        if (!mask)
            return 0ul;
        int shift = 0;
        while (!((mask >> shift) & 1))
            ++shift;
        int bits = 0;
        while ((mask >> (shift + bits)) & 1)
            ++bits;
        const unsigned long v = bits >= 8 ? (static_cast<unsigned long>(value) << (bits - 8))
                                          : (static_cast<unsigned long>(value) >> (8 - bits));
        return (v << shift) & mask;
    };
    for (unsigned j = 0; j < h; ++j)
    {
        const auto* row =
            reinterpret_cast<const unsigned char*>(data) + static_cast<size_t>(y + static_cast<int>(j)) * stride;
        for (unsigned i = 0; i < w; ++i)
        {
            const unsigned char* px = row + 4 * (x + static_cast<int>(i));
            XPutPixel(image, static_cast<int>(i), static_cast<int>(j),
                      channel(vis->red_mask, px[2]) | channel(vis->green_mask, px[1]) | channel(vis->blue_mask, px[0]));
        }
    }
    XPutImage(display, window, gc, image, 0, 0, x, y, w, h);
    XDestroyImage(image);
}

void X11PlatformFrame::present(const std::vector<CRect>& rects)
{
    if (!mapped || gone)
        return; // hidden by the host: the next Expose shows the back buffer
    XErrorGuard guard(display);
    for (const CRect& r : rects)
        presentRect(r);
    if (guard.error() == BadWindow || guard.error() == BadDrawable)
        gone = true;
}

unsigned long X11PlatformFrame::cursorFor(CCursorType type)
{
    if (type == kCursorHidden)
    {
        if (!blankCursor)
        {
            static const char bits[1] = {0};
            Pixmap pix = XCreateBitmapFromData(display, window, bits, 1, 1);
            XColor black{};
            blankCursor = XCreatePixmapCursor(display, pix, pix, &black, &black, 0, 0);
            XFreePixmap(display, pix);
        }
        return blankCursor;
    }
    unsigned int shape = XC_left_ptr;
    switch (type)
    {
    case kCursorWait: shape = XC_watch; break;
    case kCursorHSize: shape = XC_sb_h_double_arrow; break;
    case kCursorVSize: shape = XC_sb_v_double_arrow; break;
    case kCursorSizeAll: shape = XC_fleur; break;
    case kCursorNESWSize: shape = XC_bottom_left_corner; break;
    case kCursorNWSESize: shape = XC_bottom_right_corner; break;
    case kCursorCopy: shape = XC_plus; break;
    case kCursorNotAllowed: shape = XC_X_cursor; break;
    case kCursorHand: shape = XC_hand2; break;
    case kCursorIBeam: shape = XC_xterm; break;
    default: break;
    }
    auto it = cursors.find(static_cast<int>(shape));
    if (it != cursors.end())
        return it->second;
    const Cursor c = XCreateFontCursor(display, shape);
    cursors[static_cast<int>(shape)] = c;
    return c;
}

void X11PlatformFrame::setCursor(CCursorType type)
{
    if (gone)
        return;
    XErrorGuard guard(display);
    const Cursor c = cursorFor(type);
    XDefineCursor(display, window, c);
    if (type == kCursorHidden)
    {
        hidden = true;
        // Keep the pointer hidden outside the window while a button is held.
        if (buttonsDown && !pointerGrabbed)
            pointerGrabbed =
                XGrabPointer(display, window, False, ButtonPressMask | ButtonReleaseMask | PointerMotionMask,
                             GrabModeAsync, GrabModeAsync, None, c, CurrentTime) == GrabSuccess;
    }
    else
    {
        hidden = false;
        if (pointerGrabbed)
        {
            XUngrabPointer(display, CurrentTime);
            pointerGrabbed = false;
        }
    }
    XFlush(display);
}

void X11PlatformFrame::mouseReleased()
{
    if (pointerGrabbed && buttonsDown == 0)
    {
        XErrorGuard guard(display);
        XUngrabPointer(display, CurrentTime);
        pointerGrabbed = false;
        XFlush(display);
    }
}

void X11PlatformFrame::takeKeyboardFocus()
{
    if (gone)
        return;
    XErrorGuard guard(display);
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    if (focus != window)
        previousFocus = focus; // where the keyboard goes back to
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
}

unsigned long X11PlatformFrame::hostKeyWindow() const
{
    // The window that had the keyboard before us, else the host's parent.
    return (previousFocus != None && previousFocus != PointerRoot) ? previousFocus : parent;
}

void X11PlatformFrame::passKeyToHost(XEvent& event)
{
    // A key the host sent us itself (as embedders forward keys) is not sent
    // back: it would only come round again.
    if (gone || event.xkey.send_event)
        return;
    XErrorGuard guard(display);
    const Window target = hostKeyWindow();
    XEvent copy = event;
    copy.xkey.window = target;
    copy.xkey.subwindow = None;
    XSendEvent(display, target, True, event.type == KeyPress ? KeyPressMask : KeyReleaseMask, &copy);
    if (event.type == KeyPress && event.xkey.keycode < forwardedKeys.size())
        forwardedKeys[event.xkey.keycode] = true;
    // Nothing here types: the keyboard goes back to the host for good.
    if (event.type == KeyPress && !frame->getFocusView())
        returnKeyboardFocus();
    XFlush(display);
}

void X11PlatformFrame::returnKeyboardFocus()
{
    if (gone)
        return;
    XErrorGuard guard(display);
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    if (focus != window)
    {
        // Not ours to give: the user has moved on to another window.
        previousFocus = 0;
        return;
    }
    const Window target = hostKeyWindow();
    XSetInputFocus(display, target, RevertToParent, CurrentTime);
    XSync(display, False);
    if (guard.error() != 0 && target != parent)
        XSetInputFocus(display, parent, RevertToParent, CurrentTime);
    previousFocus = 0;
}

} // namespace VSTGUI
