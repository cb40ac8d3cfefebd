#include "tools/ModuleLibrary.h"

#include "common/WideText.h"

void* openModuleLibrary(const std::string& path, std::string& error)
{
    // No "file not found" box from the system: the caller reports it.
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = LoadLibraryW(wideText(path).c_str());
    const DWORD code = module ? 0 : GetLastError();
    SetErrorMode(oldMode);
    if (!module)
        error = "cannot load " + path + " (error " + std::to_string(code) + ")";
    return reinterpret_cast<void*>(module);
}

void* findModuleSymbol(void* library, const char* name)
{
    return library ? reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name)) : nullptr;
}

void closeModuleLibrary(void* library)
{
    if (library)
        FreeLibrary(static_cast<HMODULE>(library));
}
