#include "plugin/FileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

namespace {
std::atomic<unsigned> tempCounter{0};

// Our own code for "not a regular file" (no errno says it well).
constexpr int kNotRegular = -1;

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

// The file a path finally names: symbolic links followed to their target
// (which need not exist yet). Links resolve relative to their own folder.
std::string followLinks(std::string path)
{
    for (int hops = 0; hops < 40; ++hops)
    {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        char target[PATH_MAX];
        ssize_t n = ::readlink(path.c_str(), target, sizeof target - 1);
        if (n <= 0)
            return path;
        target[n] = 0;
        if (target[0] == '/')
            path = target;
        else
        {
            size_t slash = path.rfind('/');
            path = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + target;
        }
    }
    return path; // a loop of links: the rename below fails on it with ELOOP-like errors
}

// Rewrites an existing file in place, for folders that take no new file: the
// space is reserved first, so a full disk refuses before any byte changes.
int rewriteInPlace(const std::string& path, const void* data, size_t size)
{
    int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return errno;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
    {
        ::close(fd);
        return kNotRegular;
    }
    int error = 0;
    if (size > 0 && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) != 0 && errno != EOPNOTSUPP)
        error = errno;
    if (!error && !writeAll(fd, static_cast<const unsigned char*>(data), size))
        error = errno;
    if (!error && st.st_size > static_cast<off_t>(size) && ::ftruncate(fd, static_cast<off_t>(size)) != 0)
        error = errno;
    if (!error && ::fsync(fd) != 0 && errno != EINVAL)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    return error;
}
} // namespace

int replaceFileContents(const char* path, const void* data, size_t size)
{
    if (!path || !*path)
        return ENOENT;
    const std::string target = followLinks(path);
    struct stat old;
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return kNotRegular; // a FIFO or a device would block or take the bytes elsewhere
    if (exists && ::access(target.c_str(), W_OK) != 0)
        return errno; // a file the user made read-only stays as it is
    // Someone else's file that we may write keeps its owner: rewritten in place.
    if (exists && old.st_uid != ::geteuid() && ::geteuid() != 0)
        return rewriteInPlace(target, data, size);

    // Same folder as the target, so the rename stays on one file system.
    const std::string temp =
        target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(tempCounter.fetch_add(1));
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0)
    {
        const int error = errno;
        // A folder we may not add to can still hold a file we may rewrite.
        if ((error == EACCES || error == EPERM) && exists)
            return rewriteInPlace(target, data, size);
        return error;
    }
    int error = 0;
    if (exists)
    {
        // The new file takes the old one's permissions; its owner too, where
        // we may give it (a failure there leaves the file ours).
        if (::fchmod(fd, old.st_mode & 07777) != 0)
            error = errno;
        if (!error && (old.st_uid != ::geteuid() || old.st_gid != ::getegid()))
            (void)!::fchown(fd, old.st_uid, old.st_gid);
    }
    if (!error && !writeAll(fd, static_cast<const unsigned char*>(data), size))
        error = errno;
    if (!error && ::fsync(fd) != 0 && errno != EINVAL)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error && std::rename(temp.c_str(), target.c_str()) != 0)
        error = errno;
    if (error)
        ::unlink(temp.c_str());
    return error;
}

int readFileStart(const char* path, void* dest, size_t size, size_t& got)
{
    got = 0;
    if (!path || !*path)
        return ENOENT;
    // Looked at before it is opened: opening some devices already does something.
    struct stat st;
    if (::stat(path, &st) != 0)
        return errno;
    if (!S_ISREG(st.st_mode))
        return kNotRegular;
    // Non-blocking: had it become a FIFO meanwhile, the open must not wait for a writer.
    int fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return errno;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
    {
        ::close(fd);
        return kNotRegular;
    }
    std::string buffer(size, '\0');
    int error = 0;
    while (got < size)
    {
        ssize_t n = ::read(fd, &buffer[got], size - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            error = errno;
        if (n <= 0)
            break;
        got += static_cast<size_t>(n);
    }
    ::close(fd);
    if (error)
    {
        got = 0;
        return error;
    }
    if (got)
        std::memcpy(dest, buffer.data(), got);
    return 0;
}

const char* fileErrorText(int error) { return error == kNotRegular ? "not a regular file" : std::strerror(error); }
