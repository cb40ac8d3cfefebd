// The X11 window backend under a real X server (run through xvfb-run): the
// test plays the host, making a parent window and driving the frame's idle,
// and injects real input with XTest.

#include "Recorders.h"

#include "toolkit/CTextEdit.h"

// gtest before Xlib: Xlib's macros (None, Bool, Status) clash with it.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>

using namespace VSTGUI;

namespace {

struct Host
{
    Host()
    {
        // A server that resets after its last client left refuses briefly.
        for (int i = 0; i < 50 && !(display = XOpenDisplay(nullptr)); ++i)
            usleep(20000);
        if (!display)
            return;
        parent = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 300, 200, 0, 0, 0);
        XMapWindow(display, parent);
        XSync(display, False);
    }
    ~Host()
    {
        if (display && parent)
            XDestroyWindow(display, parent);
        if (display)
            XCloseDisplay(display);
    }
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    std::vector<Window> children() const
    {
        Window root = 0, par = 0, *list = nullptr;
        unsigned int n = 0;
        std::vector<Window> out;
        if (XQueryTree(display, parent, &root, &par, &list, &n) && list)
        {
            out.assign(list, list + n);
            XFree(list);
        }
        return out;
    }
    Window focus() const
    {
        Window w = 0;
        int revert = 0;
        XGetInputFocus(display, &w, &revert);
        return w;
    }
    // Moves the pointer to a point of the child window.
    void pointerTo(Window child, int x, int y)
    {
        int rx = 0, ry = 0;
        Window dummy;
        XTranslateCoordinates(display, child, DefaultRootWindow(display), x, y, &rx, &ry, &dummy);
        XTestFakeMotionEvent(display, DefaultScreen(display), rx, ry, CurrentTime);
        XFlush(display);
    }
    void button(unsigned int b, bool press)
    {
        XTestFakeButtonEvent(display, b, press, CurrentTime);
        XFlush(display);
    }
    void key(KeySym sym)
    {
        const KeyCode code = XKeysymToKeycode(display, sym);
        XTestFakeKeyEvent(display, code, True, CurrentTime);
        XTestFakeKeyEvent(display, code, False, CurrentTime);
        XFlush(display);
    }

    Display* display = nullptr;
    Window parent = 0;
};

// Idles the frame (as a host does at ~100 Hz) until cond holds or 3 s pass.
bool idleUntil(CFrame* frame, const std::function<bool()>& cond)
{
    for (int i = 0; i < 300; ++i)
    {
        frame->idle();
        if (cond())
            return true;
        usleep(10000);
    }
    return false;
}

long openFileCount() { return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}); }

bool contains(const Log& log, const std::string& s) { return std::find(log.begin(), log.end(), s) != log.end(); }

// A control that reports a click to its listener and notes double clicks.
class ClickControl : public RecordingView
{
public:
    using RecordingView::RecordingView;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& b) override
    {
        RecordingView::onMouseDown(where, b);
        doubleClicks.push_back(b.isDoubleClick());
        setValue(1.f);
        valueChanged();
        return kMouseEventHandled;
    }
    std::vector<bool> doubleClicks;
};

struct X11Frame : ::testing::Test
{
    void SetUp() override
    {
        if (!host.display)
            GTEST_SKIP() << "no X display";
        ASSERT_NO_FATAL_FAILURE(openFrame());
    }
    void openFrame()
    {
        frame = new CFrame(CRect(0, 0, 200, 100), &editor);
        ASSERT_TRUE(frame->open(reinterpret_cast<void*>(host.parent)));
        child = frame->getPlatformFrame()->getNativeWindow();
        ASSERT_TRUE(idleUntil(frame, [&] {
            XWindowAttributes wa{};
            return XGetWindowAttributes(host.display, child, &wa) && wa.map_state == IsViewable;
        }));
    }
    void TearDown() override
    {
        if (frame)
            frame->close();
    }
    ClickControl* addView(const CRect& r)
    {
        auto* view = new ClickControl(r, "v", log);
        view->setListener(&listener);
        view->setTag(5);
        frame->addView(view);
        return view;
    }
    void click(int x, int y, unsigned int b = 1)
    {
        host.pointerTo(child, x, y);
        host.button(b, true);
        host.button(b, false);
    }
    void waitFor(const std::string& entry, long times = 1)
    {
        ASSERT_TRUE(idleUntil(frame, [&] { return std::count(log.begin(), log.end(), entry) >= times; })) << entry;
    }
    Host host;
    Log log;
    RecordingEditor editor{log};
    RecordingListener listener{log};
    CFrame* frame = nullptr;
    Window child = 0;
};

} // namespace

TEST_F(X11Frame, ChildWindowOfTheHostsParent)
{
    EXPECT_FALSE(frame->isHeadless());
    EXPECT_EQ(host.children(), std::vector<Window>{child});
    XWindowAttributes wa{};
    XGetWindowAttributes(host.display, child, &wa);
    EXPECT_EQ(wa.width, 200);
    EXPECT_EQ(wa.height, 100);
    addView(CRect(20, 20, 60, 60));
    EXPECT_TRUE(idleUntil(frame, [&] { // what the views draw reaches the window
        XImage* img = XGetImage(host.display, child, 30, 30, 1, 1, AllPlanes, ZPixmap);
        const unsigned long px = img ? XGetPixel(img, 0, 0) : 0;
        if (img)
            XDestroyImage(img);
        return (px & 0xFFFFFF) == 0xFF0000;
    }));
}

TEST_F(X11Frame, InjectedDragReachesTheViewAndItsListenerWithTheCursorHidden)
{
    XSetInputFocus(host.display, host.parent, RevertToParent, CurrentTime);
    auto* view = addView(CRect(20, 20, 60, 60));
    host.pointerTo(child, 30, 40);
    host.button(1, true);
    waitFor("v:down(30,40)");
    EXPECT_TRUE(contains(log, "valueChanged 5"));
    frame->setCursor(kCursorHidden);
    host.pointerTo(child, 250, 150); // outside the child, still captured
    waitFor("v:moved(250,150)");
    EXPECT_TRUE(frame->isPointerHidden());
    host.button(1, false);
    waitFor("v:up(250,150)");
    EXPECT_FALSE(frame->isPointerHidden());
    EXPECT_EQ(view->lastButtons, CButtonState(kLButton)); // release carries the released button
    EXPECT_EQ(host.focus(), host.parent); // a plain click leaves the keyboard with the host
}

TEST_F(X11Frame, DoubleClicksRightButtonAndWheelNotches)
{
    auto* view = addView(CRect(0, 0, 100, 100));
    for (int i = 0; i < 3; ++i)
        click(10, 10);
    waitFor("v:up(10,10)", 3);
    host.button(3, true);
    waitFor("v:down(10,10)", 4);
    EXPECT_TRUE(view->lastButtons.isRightButton());
    host.button(3, false);
    waitFor("v:up(10,10)", 4);
    // A third quick click starts over; another button is no double click.
    EXPECT_EQ(view->doubleClicks, (std::vector<bool>{false, true, false, false}));

    click(50, 50, 4); // one notch each way, no click
    click(50, 50, 5);
    waitFor("v:wheel(50,50)-1");
    EXPECT_EQ(std::count(log.begin(), log.end(), "v:wheel(50,50)1"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "v:down(50,50)"), 0);
}

TEST_F(X11Frame, TypingIntoATextEditAndTheKeyboardGoingBackHoweverEditingEnds)
{
    auto* edit = new CTextEdit(CRect(10, 10, 150, 40), &listener, 112, "ab");
    frame->addView(edit);
    XSelectInput(host.display, host.parent, KeyPressMask | KeyReleaseMask);
    XSetInputFocus(host.display, host.parent, RevertToParent, CurrentTime);
    XSync(host.display, False);
    // Return after typing commits; Escape, and Return on the text as it
    // was, commit nothing. Each time the host gets the keyboard back.
    const std::vector<std::pair<KeySym, KeySym>> endings = {{XK_c, XK_Return}, {XK_d, XK_Escape}, {0, XK_Return}};
    for (auto [typed, ending] : endings)
    {
        click(20, 20);
        ASSERT_TRUE(idleUntil(frame, [&] { return edit->isEditing(); }));
        EXPECT_EQ(host.focus(), child); // the editing view takes the keyboard
        if (typed)
            host.key(typed);
        host.key(ending);
        ASSERT_TRUE(idleUntil(frame, [&] { return !edit->isEditing(); }));
        EXPECT_TRUE(idleUntil(frame, [&] { return host.focus() == host.parent; })) << ending;
    }
    EXPECT_STREQ(edit->getText(), "abc");
    EXPECT_EQ(std::count(log.begin(), log.end(), "host begin 112"), 1);
    // What was typed went to the field, not to the host.
    XEvent event;
    EXPECT_FALSE(XCheckTypedWindowEvent(host.display, host.parent, KeyPress, &event));
}

TEST_F(X11Frame, KeysTheFrameDoesNotUseReachTheHost)
{
    // The host gave our window the keyboard (as some embedders do); nothing
    // in the frame types, so a key goes on to the host and so does the keyboard.
    XSelectInput(host.display, host.parent, KeyPressMask | KeyReleaseMask);
    XSetInputFocus(host.display, child, RevertToParent, CurrentTime);
    XSync(host.display, False);
    host.key(XK_space);
    XEvent press{}, release{};
    ASSERT_TRUE(idleUntil(frame, [&] {
        XSync(host.display, False);
        return XCheckTypedWindowEvent(host.display, host.parent, KeyPress, &press);
    }));
    EXPECT_EQ(press.xkey.keycode, XKeysymToKeycode(host.display, XK_space));
    EXPECT_TRUE(idleUntil(frame, [&] {
        XSync(host.display, False);
        return XCheckTypedWindowEvent(host.display, host.parent, KeyRelease, &release);
    }));
    EXPECT_EQ(host.focus(), host.parent);
}

TEST_F(X11Frame, CloseDestroysTheWindowAndRepeatedOpenCloseLeaksNothing)
{
    long fds = 0; // counted after the first cycle, which opens what stays open
    for (int i = 0; i <= 20; ++i)
    {
        if (i > 0)
        {
            ASSERT_NO_FATAL_FAILURE(openFrame());
        }
        addView(CRect(0, 0, 50, 50));
        frame->setCursor(kCursorHand);
        frame->setCursor(kCursorHidden);
        frame->idle();
        EXPECT_EQ(host.children().size(), 1u);
        frame->close();
        frame = nullptr;
        EXPECT_EQ(host.children().size(), 0u);
        fds = i == 0 ? openFileCount() : fds;
    }
    EXPECT_EQ(openFileCount(), fds);
}

TEST_F(X11Frame, ParentDestroyedFirstDoesNotKillTheProcess)
{
    auto* view = addView(CRect(0, 0, 50, 50));
    XDestroyWindow(host.display, host.parent);
    host.parent = 0;
    XSync(host.display, False);
    // Redraws, cursor and focus requests on the vanished window are absorbed.
    for (CCursorType cursor : {kCursorHand, kCursorDefault})
    {
        view->setDirty(true);
        frame->setCursor(cursor);
        frame->idle();
    }
    frame->returnKeyboardFocus();
    EXPECT_FALSE(frame->getPlatformFrame()->isShowing());
    // TearDown closes the frame: the window is already gone, BadWindow must be absorbed.
}

TEST(X11FrameLifecycle, NoDisplayMeansOpenFails)
{
    const std::string saved = getenv("DISPLAY") ? getenv("DISPLAY") : "";
    setenv("DISPLAY", ":4711", 1);
    auto* frame = new CFrame(CRect(0, 0, 20, 10), nullptr);
    EXPECT_FALSE(frame->open(reinterpret_cast<void*>(1)));
    EXPECT_FALSE(frame->isOpen());
    frame->forget();
    setenv("DISPLAY", saved.c_str(), 1);
}
