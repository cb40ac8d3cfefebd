#pragma once
// Writes a whole file so that the file already at the path survives a write
// that fails part-way: the bytes go to a temporary file beside it, which then
// replaces the old one in a single rename.
#include <cstddef>

bool replaceFileContents(const char* path, const void* data, size_t size);
