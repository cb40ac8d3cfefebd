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
    return RUN_ALL_TESTS();
}
