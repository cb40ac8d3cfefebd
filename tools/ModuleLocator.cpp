#include "tools/ModuleLocator.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

namespace {

constexpr const char* kModuleFile = "Vantorel.so";
constexpr const char* kModuleFolder = "Vantorel";

bool isFile(const std::string& path)
{
    struct stat st
    {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string folderOf(const std::string& file)
{
    const size_t slash = file.rfind('/');
    return slash == std::string::npos ? "." : file.substr(0, slash);
}

std::string resolved(const std::string& path)
{
    char buffer[PATH_MAX];
    return !path.empty() && realpath(path.c_str(), buffer) ? std::string(buffer) : path;
}

std::string env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::vector<std::string> splitFolders(const std::string& list)
{
    std::vector<std::string> folders;
    size_t start = 0;
    while (start <= list.size())
    {
        size_t end = list.find(':', start);
        if (end == std::string::npos)
            end = list.size();
        if (end > start)
            folders.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return folders;
}

} // namespace

#ifndef VANTOREL_DEFAULT_MODULE
#define VANTOREL_DEFAULT_MODULE ""
#endif
#ifndef VANTOREL_BUILD_TOOL
#define VANTOREL_BUILD_TOOL ""
#endif

ModuleSearch ModuleSearch::fromEnvironment(const std::string& explicitPath)
{
    ModuleSearch s;
    s.explicitPath = explicitPath;
    s.environmentPath = env("VANTOREL_MODULE");
    s.executable = resolved("/proc/self/exe");
    s.buildTool = resolved(VANTOREL_BUILD_TOOL);
    s.buildModule = VANTOREL_DEFAULT_MODULE;
    s.home = env("HOME");
    s.lxvstPath = env("LXVST_PATH");
    s.vstPath = env("VST_PATH");
    return s;
}

ModuleLookup findModule(const ModuleSearch& s)
{
    ModuleLookup out;
    // A path the user named is used or refused, never replaced by a guess.
    for (const auto& [given, source] : {std::pair{s.explicitPath, "--module"}, {s.environmentPath, "VANTOREL_MODULE"}})
    {
        if (given.empty())
            continue;
        out.looked.push_back(given);
        if (isFile(given))
            out.path = given;
        else
            out.error = std::string(source) + " names " + given + ", which is not a file";
        return out;
    }

    std::vector<std::string> candidates;
    // An installed tool: bin/vantorel beside lib/vst/Vantorel/, or the module beside the tool.
    if (!s.executable.empty())
    {
        const std::string bin = folderOf(s.executable);
        candidates.push_back(bin + "/" + kModuleFile);
        candidates.push_back(folderOf(bin) + "/lib/vst/" + kModuleFolder + "/" + kModuleFile);
    }
    // The build tree, only for the tool that runs from it: an installed copy
    // must not pick up whatever was built since.
    if (!s.buildModule.empty() && !s.executable.empty() && s.executable == s.buildTool)
        candidates.push_back(s.buildModule);
    std::vector<std::string> vstFolders;
    if (!s.home.empty())
        vstFolders.push_back(s.home + "/.vst");
    for (const std::string& f : splitFolders(s.lxvstPath))
        vstFolders.push_back(f);
    for (const std::string& f : splitFolders(s.vstPath))
        vstFolders.push_back(f);
    vstFolders.push_back("/usr/lib/vst");
    vstFolders.push_back("/usr/local/lib/vst");
    for (const std::string& folder : vstFolders)
    {
        candidates.push_back(folder + "/" + kModuleFolder + "/" + kModuleFile);
        candidates.push_back(folder + "/" + kModuleFile);
    }

    for (const std::string& c : candidates)
    {
        out.looked.push_back(c);
        if (isFile(c))
        {
            out.path = c;
            return out;
        }
    }
    out.error = "no Vantorel.so found";
    return out;
}
