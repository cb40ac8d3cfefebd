#include "plugin/ModuleFolder.h"

#include "common/WideText.h"

#include <vector>

namespace {
// Any address inside this module names the DLL that holds it (not the host's
// executable, which GetModuleHandle(nullptr) would give).
void moduleAnchor() {}
} // namespace

std::string folderOfThisModule()
{
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&moduleAnchor), &module))
        return {};
    // Long paths may exceed MAX_PATH: grow until the name fits.
    std::vector<wchar_t> name(MAX_PATH);
    for (;;)
    {
        const DWORD n = GetModuleFileNameW(module, name.data(), static_cast<DWORD>(name.size()));
        if (n == 0)
            return {};
        if (n < name.size())
        {
            const std::string file = utf8Path(std::wstring(name.data(), n));
            const size_t slash = file.rfind('/');
            return slash == std::string::npos ? std::string() : file.substr(0, slash);
        }
        if (name.size() >= 32768)
            return {};
        name.resize(name.size() * 2);
    }
}
