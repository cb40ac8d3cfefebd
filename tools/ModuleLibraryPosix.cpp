#include "tools/ModuleLibrary.h"

#include <dlfcn.h>

void* openModuleLibrary(const std::string& path, std::string& error)
{
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
    {
        const char* e = dlerror();
        error = e ? e : "cannot load module";
    }
    return handle;
}

void* findModuleSymbol(void* library, const char* name) { return library ? dlsym(library, name) : nullptr; }

void closeModuleLibrary(void* library)
{
    if (library)
        dlclose(library);
}
