#include "editor/PresetFolder.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

// Names and paths are UTF-8 here; u8path and u8string keep them so on every
// platform (Windows would otherwise read them in its code page).

namespace {

int compareIgnoringCase(const std::string& a, const std::string& b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i)
    {
        const int x = std::tolower(static_cast<unsigned char>(a[i]));
        const int y = std::tolower(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::string stemOf(const std::string& name)
{
    const size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

// By the name before its extension first, so that "Pad" comes before
// "Pad 2"; then by the whole name, then byte by byte.
bool listedBefore(const std::string& a, const std::string& b)
{
    if (const int stems = compareIgnoringCase(stemOf(a), stemOf(b)))
        return stems < 0;
    if (const int whole = compareIgnoringCase(a, b))
        return whole < 0;
    return a < b;
}

} // namespace

// The instrument was first made for a file system that lists names in order;
// Linux lists them as they lie on disk, so the names are sorted here, without
// regard to case, and a musician sees the same stable lists.
std::vector<std::string> listFolder(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(fs::u8path(folder), ec);
    if (ec)
        return names;
    for (const fs::directory_iterator end; it != end; it.increment(ec))
    {
        if (ec)
            break;
        std::error_code typeError;
        if (it->is_directory(typeError))
            continue;
        names.push_back(it->path().filename().u8string());
    }
    std::sort(names.begin(), names.end(), listedBefore);
    return names;
}

bool hasExtension(const std::string& name, const char* extension)
{
    const size_t n = std::strlen(extension);
    return name.size() >= n && name.compare(name.size() - n, n, extension) == 0;
}

// Paths are joined with '/' (a backslash on the instrument's first platform).
std::string joinPath(const std::string& folder, const std::string& name) { return folder + "/" + name; }

bool removeListedFile(const std::string& folder, const std::string& name)
{
    const std::vector<std::string> listed = listFolder(folder);
    if (std::find(listed.begin(), listed.end(), name) == listed.end())
        return false;
    std::error_code ec;
    const fs::path file = fs::u8path(folder) / fs::u8path(name);
    fs::remove(file, ec);
    return !ec && !fs::exists(fs::symlink_status(file, ec));
}

bool makeFolder(const std::string& folder)
{
    std::error_code ec;
    fs::create_directories(fs::u8path(folder), ec);
    return isFolder(folder);
}

bool isFolder(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && fs::is_directory(fs::u8path(path), ec);
}
