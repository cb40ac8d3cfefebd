#include "plugin/FileReplace.h"

#include "common/WideText.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <string>

namespace {
std::atomic<unsigned> tempCounter{0};

// Our own code for "not a regular file" (no errno says it well).
constexpr int kNotRegular = -1;

// The errno that says what a Windows error says, for the same messages as on
// Linux.
int errnoOf(DWORD error)
{
    switch (error)
    {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH: return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD: return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return EBUSY;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_WRITE_PROTECT: return EROFS;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return EEXIST;
    case ERROR_FILENAME_EXCED_RANGE: return ENAMETOOLONG;
    default: return EIO;
    }
}

int lastError() { return errnoOf(GetLastError()); }

bool writeAll(HANDLE file, const unsigned char* bytes, size_t size)
{
    while (size > 0)
    {
        const DWORD chunk = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(file, bytes, chunk, &written, nullptr) || written == 0)
            return false;
        bytes += written;
        size -= written;
    }
    return true;
}

bool setLength(HANDLE file, size_t size)
{
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(size);
    return SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && SetEndOfFile(file);
}

// Rewrites an existing file in place, for folders that take no new file: the
// space is reserved first, so a full disk refuses before any byte changes.
int rewriteInPlace(const std::wstring& path, const void* data, size_t size)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return lastError();
    int error = 0;
    LARGE_INTEGER old{};
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &old))
        error = kNotRegular;
    if (!error && static_cast<LONGLONG>(size) > old.QuadPart && !setLength(file, size))
    {
        error = lastError();
        setLength(file, static_cast<size_t>(old.QuadPart));
    }
    if (!error && !(SetFilePointerEx(file, LARGE_INTEGER{}, nullptr, FILE_BEGIN) &&
                    writeAll(file, static_cast<const unsigned char*>(data), size) && setLength(file, size) &&
                    FlushFileBuffers(file)))
        error = lastError();
    if (!CloseHandle(file) && !error)
        error = lastError();
    return error;
}
} // namespace

int replaceFileContents(const char* path, const void* data, size_t size)
{
    if (!path || !*path)
        return ENOENT;
    const std::wstring target = wideText(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)))
        return kNotRegular;
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY))
        return EACCES; // a file the user made read-only stays as it is

    // Same folder as the target, so the replacement stays on one volume.
    const std::wstring temp =
        target + L".tmp" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(tempCounter.fetch_add(1));
    HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
    {
        const int error = lastError();
        // A folder we may not add to can still hold a file we may rewrite.
        if (error == EACCES && exists)
            return rewriteInPlace(target, data, size);
        return error;
    }
    int error = 0;
    if (!writeAll(file, static_cast<const unsigned char*>(data), size) || !FlushFileBuffers(file))
        error = lastError();
    if (!CloseHandle(file) && !error)
        error = lastError();
    // ReplaceFileW keeps the old file's attributes and security; with no old
    // file, the temporary one is renamed into place.
    if (!error && exists &&
        !ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) &&
        !MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = lastError();
    if (!error && !exists && !MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH))
        error = lastError();
    if (error)
        DeleteFileW(temp.c_str());
    return error;
}

int readFileStart(const char* path, void* dest, size_t size, size_t& got)
{
    got = 0;
    if (!path || !*path)
        return ENOENT;
    const std::wstring name = wideText(path);
    // Looked at before it is opened: opening some devices already does something.
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return lastError();
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE))
        return kNotRegular;
    HANDLE file = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return lastError();
    if (GetFileType(file) != FILE_TYPE_DISK)
    {
        CloseHandle(file);
        return kNotRegular;
    }
    std::string buffer(size, '\0');
    int error = 0;
    while (got < size)
    {
        const size_t left = size - got;
        DWORD n = 0;
        if (!ReadFile(file, &buffer[got], left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left), &n, nullptr))
            error = lastError();
        if (error || n == 0)
            break;
        got += n;
    }
    CloseHandle(file);
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
