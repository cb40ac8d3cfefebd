#pragma once
// The system's loader for a plug-in module: dlopen on Linux, LoadLibraryW on
// Windows (the path is UTF-8 either way).
#include <string>

// The library's handle, or null with the loader's reason in error.
void* openModuleLibrary(const std::string& path, std::string& error);
// An exported function's address, or null.
void* findModuleSymbol(void* library, const char* name);
void closeModuleLibrary(void* library);
