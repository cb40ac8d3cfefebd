#pragma once
// File access for presets, safe against what a user's file system may hold.
//
// Writing replaces a file so that the file already at the path survives a
// write that fails part-way (a full disk, a quota): the bytes go to a
// temporary file beside it, which then takes its place in a single rename.
// A symbolic link keeps pointing where it did: its target is what gets
// written. A replaced file keeps its permissions (and owner, where allowed).
// In a folder that refuses new files, a file we may write is rewritten in
// place, once the space for it is reserved.
//
// Reading takes only regular files: a FIFO, a device or a folder is refused
// without ever waiting on it.
#include <cstddef>

// 0 when written; otherwise the errno of the failure (nothing was changed).
int replaceFileContents(const char* path, const void* data, size_t size);

// Reads up to size bytes from the start of a regular file into dest. 0 on
// success (got tells how many bytes came); otherwise an errno, and dest is
// untouched.
int readFileStart(const char* path, void* dest, size_t size, size_t& got);

// The text of a failure for a message: strerror, or what was refused.
const char* fileErrorText(int error);
