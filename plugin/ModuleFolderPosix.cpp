#include "plugin/ModuleFolder.h"

#include <dlfcn.h>

#include <climits>
#include <cstdlib>

namespace {
// Any symbol of this module: dladdr maps it to the shared object that holds it.
void moduleAnchor() {}
} // namespace

std::string folderOfThisModule()
{
    Dl_info info{};
    std::string file;
    if (dladdr(reinterpret_cast<void*>(&moduleAnchor), &info) && info.dli_fname)
    {
        char resolved[PATH_MAX];
        file = realpath(info.dli_fname, resolved) ? resolved : info.dli_fname;
    }
    const size_t slash = file.rfind('/');
    return slash == std::string::npos ? file : file.substr(0, slash);
}
