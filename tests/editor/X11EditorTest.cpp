// The built module's editor in a real X window (run through xvfb-run): the
// test is the host, with a parent window of its own, idling the editor and
// moving the pointer with XTest.

#include "tests/editor/ProcessResources.h"
#include "tests/module/TempDir.h"
#include "tests/support/TestHost.h"

// gtest before Xlib: Xlib's macros (None, Bool, Status) clash with it.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

struct ParentWindow
{
    ParentWindow()
    {
        for (int i = 0; i < 50 && !(display = XOpenDisplay(nullptr)); ++i)
            usleep(20000);
        if (!display)
            return;
        window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1024, 480, 0, 0, 0);
        XMapWindow(display, window);
        XSync(display, False);
    }
    ~ParentWindow()
    {
        if (display && window)
            XDestroyWindow(display, window);
        if (display)
            XCloseDisplay(display);
    }
    ParentWindow(const ParentWindow&) = delete;
    ParentWindow& operator=(const ParentWindow&) = delete;

    std::vector<Window> children() const
    {
        Window root = 0, parent = 0, *list = nullptr;
        unsigned int n = 0;
        std::vector<Window> out;
        if (XQueryTree(display, window, &root, &parent, &list, &n) && list)
        {
            out.assign(list, list + n);
            XFree(list);
        }
        return out;
    }
    void pointerTo(Window child, int x, int y)
    {
        int rx = 0, ry = 0;
        Window ignored;
        XTranslateCoordinates(display, child, DefaultRootWindow(display), x, y, &rx, &ry, &ignored);
        XTestFakeMotionEvent(display, DefaultScreen(display), rx, ry, CurrentTime);
        XFlush(display);
    }
    void button(bool press)
    {
        XTestFakeButtonEvent(display, 1, press, CurrentTime);
        XFlush(display);
    }
    // The window's first child: the editor.
    Window editor() const
    {
        const std::vector<Window> list = children();
        return list.empty() ? 0 : list.front();
    }

    Display* display = nullptr;
    Window window = 0;
};

class X11Editor : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.ok()) << host.error();
        ASSERT_NE(parent.display, nullptr) << "no X server (run under xvfb-run)";
    }
    // Idles the editor as a host does (about 50 Hz) until cond holds or 3 s pass.
    bool idleUntil(const std::function<bool()>& cond)
    {
        for (int i = 0; i < 150; ++i)
        {
            idleOnce();
            if (cond())
                return true;
            usleep(20000);
        }
        return false;
    }
    void idleFor(int rounds)
    {
        for (int i = 0; i < rounds; ++i)
        {
            idleOnce();
            usleep(10000);
        }
    }
    // The editor this test idles.
    virtual void idleOnce() { host.dispatch(effEditIdle); }
    void* parentHandle() const { return reinterpret_cast<void*>(parent.window); }

    TestHost host;
    ParentWindow parent;
};

TEST_F(X11Editor, DraggingTheVolumeDialAutomatesParameterOne)
{
    ASSERT_EQ(host.dispatch(effEditOpen, 0, 0, parentHandle()), 1);
    ASSERT_TRUE(idleUntil([&] { return parent.children().size() == 1; }));
    const Window child = parent.children().front();
    idleFor(5);
    host.module().clearCalls();

    // The "Volume" dial (30, 220, 70, 260): into its active circle, press,
    // drag 40 pixels up, release.
    parent.pointerTo(child, 45, 245);
    idleFor(3);
    parent.pointerTo(child, 50, 240);
    idleFor(3);
    parent.button(true);
    idleFor(3);
    for (int y = 236; y >= 200; y -= 4)
    {
        parent.pointerTo(child, 50, y);
        idleFor(2);
    }
    parent.button(false);
    ASSERT_TRUE(idleUntil([&] { return !host.module().automation().empty(); }));
    idleFor(3);

    // Each automation of parameter 1 lies inside a begin/end pair on 1.
    bool inGesture = false;
    int automated = 0;
    for (const auto& c : host.module().calls())
    {
        if (c.opcode == audioMasterBeginEdit || c.opcode == audioMasterEndEdit || c.opcode == audioMasterAutomate)
        {
            EXPECT_EQ(c.index, 1) << "opcode " << c.opcode;
        }
        if (c.opcode == audioMasterBeginEdit)
            inGesture = true;
        else if (c.opcode == audioMasterEndEdit)
            inGesture = false;
        else if (c.opcode == audioMasterAutomate)
        {
            EXPECT_TRUE(inGesture);
            ++automated;
        }
    }
    EXPECT_GT(automated, 0);
    EXPECT_GT(host.getParameter(ParamId::Volume), 0.6f);

    host.dispatch(effEditClose);
    XSync(parent.display, False);
    EXPECT_TRUE(parent.children().empty());
    host.module().close();
    XSync(parent.display, False);
    EXPECT_TRUE(parent.children().empty());
}

TEST_F(X11Editor, OpeningAndClosingAgainLeavesNoWindowBehind)
{
    for (int i = 0; i < 25; ++i)
    {
        ASSERT_EQ(host.dispatch(effEditOpen, 0, 0, parentHandle()), 1);
        host.dispatch(effEditIdle);
        XSync(parent.display, False);
        ASSERT_EQ(parent.children().size(), 1u) << "round " << i;
        host.dispatch(effEditClose);
        XSync(parent.display, False);
        ASSERT_TRUE(parent.children().empty()) << "round " << i;
    }
}

// The module copied into a folder of its own, so that its presets folder
// is one the test makes (or leaves out), opened into the window.
class X11Browser : public X11Editor
{
protected:
    void SetUp() override
    {
        X11Editor::SetUp();
        std::filesystem::copy_file(TestHost::modulePath(), dir.path / "Vantorel.so");
    }
    void TearDown() override
    {
        if (module.effect())
        {
            module.dispatch(effEditClose);
            module.close();
        }
    }
    void openEditor()
    {
        ASSERT_TRUE(module.load(dir.file("Vantorel.so"))) << module.error();
        ASSERT_NE(module.open(), nullptr);
        ASSERT_EQ(module.dispatch(effEditOpen, 0, 0, parentHandle()), 1);
        ASSERT_TRUE(idleUntil([&] { return parent.editor() != 0; }));
        clickAt(520, 58); // PRESETS
    }
    void idleOnce() override { module.dispatch(effEditIdle); }
    void clickAt(int x, int y, int clicks = 1)
    {
        parent.pointerTo(parent.editor(), x, y);
        idleFor(3);
        for (int i = 0; i < clicks; ++i)
        {
            parent.button(true);
            idleFor(2);
            parent.button(false);
            idleFor(2);
        }
        idleFor(3);
    }

    TempDir dir;
    HostModule module;
};

TEST_F(X11Browser, DoubleClicksOpenABankAndChooseItsProgram)
{
    // A bank of three programs, written from the module's own bank chunk.
    std::filesystem::create_directories(dir.path / "presets");
    {
        HostModule maker;
        ASSERT_TRUE(maker.load(TestHost::modulePath()));
        ASSERT_NE(maker.open(), nullptr);
        const char* names[] = {"Init", "Glass", "Reed"};
        for (int p = 0; p < 3; ++p)
        {
            maker.setProgram(p);
            maker.dispatch(effSetProgramName, 0, 0, const_cast<char*>(names[p]));
            maker.setParameter(ParamId::Decay, 0.25f * static_cast<float>(p + 1));
        }
        writeFile(dir.path / "presets" / "Three.vnb", maker.getChunk(false));
    }
    openEditor();
    clickAt(540, 119, 2); // the bank "Three"
    clickAt(700, 139, 2); // its program 2
    ASSERT_TRUE(idleUntil([&] { return module.getProgram() == 2; }));
    EXPECT_EQ(module.programName(), "Reed");
    EXPECT_FLOAT_EQ(module.getParameter(ParamId::Decay), 0.75f);
    EXPECT_EQ(module.programNameIndexed(1), "Glass");
}

TEST_F(X11Browser, WithoutAPresetsFolderNewBankMakesOneBesideTheModule)
{
    openEditor();
    clickAt(540, 119); // NEW BANK: "Create Presets Folder?"
    EXPECT_FALSE(std::filesystem::exists(dir.path / "presets"));
    clickAt(640, 157); // OK
    EXPECT_TRUE(std::filesystem::is_directory(dir.path / "presets"));
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(dir.path / "presets"), std::filesystem::directory_iterator()),
        0)
        << "nothing written before the bank has a name";
}

// A hundred rounds in a real window: every round's window and its server
// connection go (the server frees a closed connection's pixmaps and
// contexts with it), so descriptors and memory come back to where they were.
TEST_F(X11Editor, AHundredOpensInAWindowLeaveNothingBehind)
{
    auto round = [this] {
        ASSERT_EQ(host.dispatch(effEditOpen, 0, 0, parentHandle()), 1);
        host.dispatch(effEditIdle);
        host.dispatch(effEditClose);
    };
    for (int i = 0; i < 3; ++i)
        round();
    const int descriptors = openDescriptors();
    const long memory = residentKiB();
    for (int i = 0; i < 100 && !HasFatalFailure(); ++i)
        round();
    XSync(parent.display, False);
    EXPECT_TRUE(parent.children().empty());
    EXPECT_EQ(openDescriptors(), descriptors);
    if (kResidentMemoryMeaningful)
    {
        EXPECT_LT(residentKiB() - memory, 16 * 1024);
    }
}

} // namespace
