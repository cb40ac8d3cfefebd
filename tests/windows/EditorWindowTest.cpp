// The editor in a real window under Windows (Wine in CI): the test is the
// host, with a window of its own; the editor becomes its child, is idled with
// the host's message loop running, shows its back buffer, answers clicks and
// keys, and goes away when closed.
#include <gtest/gtest.h>

#include "common/EditorRequests.h"
#include "editor/ControlLayout.h"
#include "tests/support/TestHost.h"
#include "tests/windows/WindowPixels.h"
#include "vst2/VstRecords.h"

#include <dlgs.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace {

// A plain top-level window the size of the editor, as a host gives one.
struct HostWindow
{
    HostWindow(int width, int height)
    {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VantorelTestHost";
        RegisterClassExW(&wc);
        window = CreateWindowExW(0, wc.lpszClassName, L"Vantorel test host", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                                 nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~HostWindow()
    {
        if (window)
            DestroyWindow(window);
    }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    HWND editor() const { return GetWindow(window, GW_CHILD); }
    HWND window = nullptr;
};

void pumpMessages()
{
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
}

class WindowsEditor : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.ok()) << host.error();
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ERect* rect = nullptr;
        ASSERT_EQ(host.dispatch(effEditGetRect, 0, 0, &rect), 1);
        ASSERT_NE(rect, nullptr);
        width = rect->right - rect->left;
        height = rect->bottom - rect->top;
        parent = std::make_unique<HostWindow>(width, height);
        ASSERT_NE(parent->window, nullptr);
    }
    void TearDown() override
    {
        host.dispatch(effEditClose);
        parent.reset();
        pumpMessages();
        CoUninitialize();
    }
    // Idles as a host does: its message loop, then effEditIdle.
    void idle(int rounds = 5)
    {
        for (int i = 0; i < rounds; ++i)
        {
            pumpMessages();
            host.dispatch(effEditIdle);
            pumpMessages();
            Sleep(10);
        }
    }
    // A message to the editor's window through the host's queue.
    void post(UINT message, WPARAM wParam, int x, int y)
    {
        PostMessageW(parent->editor(), message, wParam, MAKELPARAM(x, y));
        idle(2);
    }
    void click(const VSTGUI::CRect& r)
    {
        const int x = static_cast<int>(r.getCenter().x), y = static_cast<int>(r.getCenter().y);
        post(WM_MOUSEMOVE, 0, x, y);
        post(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
        post(WM_LBUTTONUP, 0, x, y);
    }
    Picture snapshot(const char* file)
    {
        const std::string path = file;
        host.dispatch(effVendorSpecific, kEditorRequest, kEditorWritePng, const_cast<char*>(path.c_str()));
        return Picture::ofPng(path);
    }

    TestHost host;
    std::unique_ptr<HostWindow> parent;
    int width = 0, height = 0;
};

TEST_F(WindowsEditor, OpensAsAChildWindowShowingItsPicture)
{
    EXPECT_EQ(width, 1024);
    EXPECT_EQ(height, 480);
    ASSERT_EQ(host.dispatch(effEditOpen, 0, 0, parent->window), 1);
    HWND editor = parent->editor();
    ASSERT_NE(editor, nullptr) << "no child window";
    RECT client{};
    GetClientRect(editor, &client);
    EXPECT_EQ(client.right, 1024);
    EXPECT_EQ(client.bottom, 480);
    EXPECT_TRUE(IsWindowVisible(editor));
    idle(10);

    // The PNG is the back buffer the Direct2D backend drew; the window must
    // show the same picture.
    const Picture drawn = snapshot("editor-windows.png");
    ASSERT_FALSE(drawn.empty()) << "no PNG written";
    ASSERT_EQ(drawn.width, 1024);
    const Picture shown = Picture::ofWindow(editor);
    EXPECT_EQ(shown.differingPixels(drawn), 0);
    // Not a blank picture: the panel has many colours.
    int changes = 0;
    for (int x = 1; x < drawn.width; ++x)
        changes += drawn.at(x, 240)[1] != drawn.at(x - 1, 240)[1] ? 1 : 0;
    EXPECT_GT(changes, 200);

    host.dispatch(effEditClose);
    pumpMessages();
    EXPECT_FALSE(IsWindow(editor)) << "closing leaves no window behind";
}

TEST_F(WindowsEditor, ClickingATabShowsItsPage)
{
    // The page as the editor draws it when asked for it directly.
    ASSERT_EQ(host.dispatch(effEditOpen, 0, 0, parent->window), 1);
    idle(5);
    host.dispatch(effVendorSpecific, kEditorRequest, kEditorOpenPage, const_cast<char*>("effects"));
    idle(5);
    const Picture effects = Picture::ofWindow(parent->editor());
    host.dispatch(effEditClose);
    idle(2);

    ASSERT_EQ(host.dispatch(effEditOpen, 0, 0, parent->window), 1);
    idle(5);
    const Picture before = Picture::ofWindow(parent->editor());
    EXPECT_GT(before.differingPixels(effects, 0, 75, 1024, 480), 1000) << "another page shows first";
    click(Layout::kEffectsTabRect);
    idle(5);
    const Picture after = Picture::ofWindow(parent->editor());
    EXPECT_EQ(after.differingPixels(effects, 0, 75, 1024, 480), 0) << "the click opened the EFFECTS page";
}

TEST_F(WindowsEditor, TypingIntoTheNameFieldRenamesTheProgram)
{
    ASSERT_EQ(host.dispatch(effEditOpen, 0, 0, parent->window), 1);
    idle(5);
    click(Layout::kNameFieldHome);
    EXPECT_EQ(GetFocus(), parent->editor()) << "the field takes the keyboard";
    // Select nothing: erase what is there, then type.
    for (int i = 0; i < 30; ++i)
    {
        PostMessageW(parent->editor(), WM_KEYDOWN, VK_BACK, 0);
        PostMessageW(parent->editor(), WM_CHAR, 8, 0);
    }
    for (wchar_t c : std::wstring(L"Gl\u00f6ck 7"))
    {
        if (c == L' ')
            PostMessageW(parent->editor(), WM_KEYDOWN, VK_SPACE, 0);
        PostMessageW(parent->editor(), WM_CHAR, c, 0);
    }
    PostMessageW(parent->editor(), WM_KEYDOWN, VK_RETURN, 0);
    idle(5);
    EXPECT_EQ(host.module().programName(), u8"Gl\u00f6ck 7");
    EXPECT_NE(GetFocus(), parent->editor()) << "the keyboard goes back to the host";
}

TEST_F(WindowsEditor, DraggingTheVolumeDialHidesThePointerAndAutomatesVolume)
{
    ASSERT_EQ(host.dispatch(effEditOpen, 0, 0, parent->window), 1);
    idle(5);
    host.module().clearCalls();
    post(WM_MOUSEMOVE, 0, 50, 240);
    post(WM_LBUTTONDOWN, MK_LBUTTON, 50, 240);
    bool hidden = GetCursor() == nullptr;
    for (int y = 236; y >= 200; y -= 4)
        post(WM_MOUSEMOVE, MK_LBUTTON, 50, y);
    hidden = hidden && GetCursor() == nullptr;
    post(WM_LBUTTONUP, 0, 50, 200);
    idle(3);
    EXPECT_TRUE(hidden) << "the pointer hides while the dial turns";
    const auto automation = host.module().automation();
    ASSERT_FALSE(automation.empty());
    EXPECT_EQ(automation.back().first, paramIndex(ParamId::Volume));
    EXPECT_GT(automation.back().second, automation.front().second) << "dragging up turns the dial up";
    EXPECT_NE(GetCursor(), nullptr) << "the pointer comes back on release";
}

// Answers the system's save dialog from another thread, as a user would:
// waits for the dialog with the given title, types the path into its file
// name box and presses OK (Cancel when that does not close it).
class DialogAnswer
{
public:
    DialogAnswer(const wchar_t* title, std::wstring path)
        : worker([this, title, path] {
              for (int i = 0; i < 500 && !stop; ++i, Sleep(20))
              {
                  HWND dialog = FindWindowW(L"#32770", title);
                  if (!dialog)
                      continue;
                  found = true;
                  Sleep(200); // let it finish setting itself up
                  HWND name = GetDlgItem(dialog, cmb13);
                  if (!name)
                      name = GetDlgItem(dialog, edt1);
                  SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
                  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
                  for (int j = 0; j < 100 && IsWindow(dialog); ++j)
                      Sleep(20);
                  if (IsWindow(dialog))
                      PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                  return;
              }
          })
    {}
    ~DialogAnswer()
    {
        stop = true;
        worker.join();
    }
    DialogAnswer(const DialogAnswer&) = delete;
    DialogAnswer& operator=(const DialogAnswer&) = delete;
    bool dialogSeen() const { return found; }

private:
    std::atomic<bool> stop{false};
    std::atomic<bool> found{false};
    std::thread worker;
};

TEST_F(WindowsEditor, SavingAProgramGoesThroughTheSystemDialog)
{
    namespace fs = std::filesystem;
    wchar_t base[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, base);
    const fs::path folder = fs::path(base) / (L"Vantorel Dialog " + std::to_wstring(GetCurrentProcessId()));
    fs::create_directories(folder);
    const fs::path file = folder / L"Kupfer Regen \u00fc";

    ASSERT_EQ(host.dispatch(effEditOpen, 0, 0, parent->window), 1);
    idle(5);
    {
        DialogAnswer answer(L"Save A Program File", file.wstring());
        // The save button, dragged into its "program" entry.
        post(WM_MOUSEMOVE, 0, 939, 20);
        post(WM_LBUTTONDOWN, MK_LBUTTON, 939, 20);
        post(WM_MOUSEMOVE, MK_LBUTTON, 850, 50);
        post(WM_LBUTTONUP, 0, 850, 50);
        idle(3);
        EXPECT_TRUE(answer.dialogSeen()) << "no save dialog opened";
    }
    fs::path saved = file;
    saved += L".vnp";
    std::ifstream in(saved, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    EXPECT_EQ(bytes, host.module().getChunk(true)) << "the program file holds the program";
    EXPECT_EQ(host.module().programName(), u8"Kupfer Regen \u00fc") << "the file's name names the program";
    std::error_code ec;
    fs::remove_all(folder, ec);
}

} // namespace
