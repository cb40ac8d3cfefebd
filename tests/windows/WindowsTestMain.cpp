// The Windows test program's start: it works from its own folder, where the
// build put Vantorel.dll and the golden hashes, so it runs the same from any
// current folder and under any drive letter Wine gives the build.
#include <gtest/gtest.h>

#include "common/WideText.h"

#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    std::wstring self(MAX_PATH, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, &self[0], static_cast<DWORD>(self.size()));
    self.resize(n);
    const std::wstring folder = self.substr(0, self.find_last_of(L"\\/"));
    SetCurrentDirectoryW(folder.c_str());
    // The module the tests load, unless the caller names another.
    if (!std::getenv("VANT_MODULE_PATH"))
        _wputenv_s(L"VANT_MODULE_PATH", (folder + L"\\Vantorel.dll").c_str());
    testing::InitGoogleTest(&argc, argv);
    // Wine's Direct2D fills and strokes without antialiasing (text keeps
    // its own): the one test that measures antialiased coverage waits for
    // a real Windows, unless the caller chose the tests.
    const bool underWine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    if (underWine && testing::GTEST_FLAG(filter) == "*")
        testing::GTEST_FLAG(filter) = "-Drawing.LinesCoverTheirPixelRows";
    return RUN_ALL_TESTS();
}
