// The file dialog on Linux: zenity (or kdialog) run as a program, its
// standard output read for the chosen path.
#include "toolkit/CNewFileSelector.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace VSTGUI {

namespace {

// Starts the program with posix_spawn, without the host's library path
// overrides, and reads its standard output to the end.
int runProgram(const std::vector<std::string>& argv, std::string& output)
{
    output.clear();
    if (argv.empty())
        return -1;
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return -1;

    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::vector<char*> env;
    for (char** e = environ; e && *e; ++e)
        if (std::strncmp(*e, "LD_LIBRARY_PATH=", 16) != 0 && std::strncmp(*e, "LD_PRELOAD=", 11) != 0)
            env.push_back(*e);
    env.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), env.data());
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0)
    {
        close(fds[0]);
        return -1;
    }
    char buffer[4096];
    for (;;)
    {
        const ssize_t n = read(fds[0], buffer, sizeof(buffer));
        if (n > 0)
            output.append(buffer, static_cast<size_t>(n));
        else if (n == 0 || errno != EINTR)
            break;
    }
    close(fds[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

CNewFileSelector::Runner& runner()
{
    static CNewFileSelector::Runner r;
    return r;
}

std::string& forcedProgram()
{
    static std::string p;
    return p;
}

bool forcedSet = false;

bool isExecutable(const std::string& path) { return access(path.c_str(), X_OK) == 0; }

std::string findInPath(const char* name)
{
    const char* path = getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size())
    {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos)
            end = dirs.size();
        std::string dir = dirs.substr(start, end - start);
        if (!dir.empty())
        {
            const std::string candidate = dir + "/" + name;
            if (isExecutable(candidate))
                return candidate;
        }
        start = end + 1;
    }
    return {};
}

std::string baseName(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

void CNewFileSelector::setRunner(Runner r) { runner() = std::move(r); }

void CNewFileSelector::setDialogProgram(const std::string& path)
{
    forcedProgram() = path;
    forcedSet = !path.empty();
}

std::string CNewFileSelector::findDialogProgram()
{
    if (forcedSet)
        return forcedProgram();
    std::string p = findInPath("zenity");
    if (p.empty())
        p = findInPath("kdialog");
    return p;
}

std::vector<std::string> CNewFileSelector::buildCommand(const std::string& program) const
{
    std::vector<std::string> cmd;
    if (program.empty())
        return cmd;
    std::string folder = initialPath;
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    // The default extension's filter comes first so it is the active one.
    std::vector<const CFileExtension*> order;
    if (defaultExtensionSet && defaultExtensionIndex < extensions.size())
        order.push_back(&extensions[defaultExtensionIndex]);
    for (size_t i = 0; i < extensions.size(); ++i)
        if (!(defaultExtensionSet && i == defaultExtensionIndex))
            order.push_back(&extensions[i]);
    auto pattern = [](const CFileExtension& e) {
        const std::string ext = e.getExtension();
        return ext == "*" ? std::string("*") : "*." + ext;
    };

    cmd.push_back(program);
    if (baseName(program) == "kdialog")
    {
        if (!title.empty())
        {
            cmd.push_back("--title");
            cmd.push_back(title);
        }
        if (style == kSelectDirectory)
        {
            cmd.push_back("--getexistingdirectory");
            cmd.push_back(folder.empty() ? "." : folder);
            return cmd;
        }
        cmd.push_back(style == kSelectSaveFile ? "--getsavefilename" : "--getopenfilename");
        cmd.push_back(style == kSelectSaveFile ? folder + defaultSaveName : (folder.empty() ? "." : folder));
        std::string filters;
        for (const auto* e : order)
        {
            if (!filters.empty())
                filters += "\n";
            filters += pattern(*e) + "|" + e->getDescription();
        }
        if (!filters.empty())
            cmd.push_back(filters);
        if (allowMultiFileSelection && style == kSelectFile)
        {
            cmd.push_back("--multiple");
            cmd.push_back("--separate-output");
        }
        return cmd;
    }

    cmd.push_back("--file-selection");
    if (!title.empty())
        cmd.push_back("--title=" + title);
    if (style == kSelectSaveFile)
    {
        cmd.push_back("--save");
        cmd.push_back("--confirm-overwrite");
        cmd.push_back("--filename=" + folder + defaultSaveName);
    }
    else if (!folder.empty())
        cmd.push_back("--filename=" + folder);
    if (style == kSelectDirectory)
        cmd.push_back("--directory");
    else
    {
        bool hasAll = false;
        for (const auto* e : order)
        {
            const std::string p = pattern(*e);
            hasAll = hasAll || p == "*";
            cmd.push_back("--file-filter=" + std::string(e->getDescription()) + " (" + p + ") | " + p);
        }
        if (!order.empty() && !hasAll)
            cmd.push_back("--file-filter=All files | *");
    }
    if (allowMultiFileSelection && style == kSelectFile)
    {
        cmd.push_back("--multiple");
        cmd.push_back("--separator=\n");
    }
    return cmd;
}

bool CNewFileSelector::runModal()
{
    result.clear();
    const std::string program = findDialogProgram();
    const std::vector<std::string> cmd = buildCommand(program);
    if (cmd.empty())
    {
        // Say why nothing opens rather than leave the user clicking.
        std::fprintf(stderr, "File dialog: neither zenity nor kdialog was found on the PATH; "
                             "install zenity to load and save files.\n");
        return false;
    }
    std::string output;
    const int status = runner() ? runner()(cmd, output) : runProgram(cmd, output);
    if (status < 0)
        std::fprintf(stderr, "File dialog: %s could not be run.\n", program.c_str());
    if (status != 0)
        return false;
    // One absolute path per line; anything else (warnings) is ignored.
    size_t start = 0;
    while (start < output.size())
    {
        size_t end = output.find('\n', start);
        if (end == std::string::npos)
            end = output.size();
        std::string line = output.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] != '/')
            continue;
        result.push_back(line);
        if (!allowMultiFileSelection)
            break;
    }
    appendDefaultExtension();
    return !result.empty();
}

} // namespace VSTGUI
