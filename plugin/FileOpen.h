#pragma once
// Opens a file named by a UTF-8 path. Windows' narrow fopen reads the path in
// the system's code page, so there the name goes through the wide function.
#include <cstdio>

#ifdef _WIN32
#include "common/WideText.h"
#endif

inline FILE* openFile(const char* path, const char* mode)
{
    if (!path || !mode)
        return nullptr;
#ifdef _WIN32
    return _wfopen(wideText(path).c_str(), wideText(mode).c_str());
#else
    return std::fopen(path, mode);
#endif
}
