#pragma once
// Runs a shell command line as a user types it and keeps what it printed
// (standard output and error together) and its exit status.
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

struct ShellResult
{
    int status = -1; // the exit status, -1 when the command did not end normally
    std::string output;
};

inline ShellResult shell(const std::string& command)
{
    ShellResult r;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return r;
    std::array<char, 4096> buf;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0)
        r.output.append(buf.data(), n);
    const int rc = pclose(pipe);
    r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    return r;
}

// 'text' with single quotes, for paths with spaces.
inline std::string quoted(const std::string& text)
{
    std::string q = "'";
    for (char c : text)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// A clean environment for the tool: HOME as given, none of the variables that
// point it at a module or a VST folder.
inline std::string cleanEnv(const std::string& home)
{
    return "env -u VANTOREL_MODULE -u LXVST_PATH -u VST_PATH -u PREFIX HOME=" + quoted(home) + " ";
}
