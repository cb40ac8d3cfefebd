#include "plugin/FileReplace.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>

namespace {
std::atomic<unsigned> tempCounter{0};

bool writeAll(int fd, const unsigned char* bytes, size_t size)
{
    while (size > 0)
    {
        ssize_t n = ::write(fd, bytes, size);
        if (n < 0)
        {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}
} // namespace

bool replaceFileContents(const char* path, const void* data, size_t size)
{
    if (!path || !*path)
        return false;
    // Same folder as the target, so the rename stays on one file system.
    std::string temp =
        std::string(path) + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(tempCounter.fetch_add(1));
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
    {
        // A folder we may not add to can still hold a file we may rewrite.
        if (errno != EACCES && errno != EPERM)
            return false;
        fd = ::open(path, O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0)
            return false;
        bool ok = writeAll(fd, static_cast<const unsigned char*>(data), size);
        return (::close(fd) == 0) && ok;
    }
    bool ok = writeAll(fd, static_cast<const unsigned char*>(data), size);
    ok = (::close(fd) == 0) && ok;
    if (ok)
        ok = std::rename(temp.c_str(), path) == 0;
    if (!ok)
        ::unlink(temp.c_str());
    return ok;
}
