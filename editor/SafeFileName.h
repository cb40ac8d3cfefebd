#pragma once
// A name the user typed (a bank's, a program's) made into a file name that
// stays inside its folder: no '/', no leading '.', no control characters,
// never "." or "..", never empty.
#include <string>

// At most this many bytes, so that the name and an extension fit the file
// system's 255.
constexpr size_t kSafeNameBytes = 200;

std::string safeFileName(const std::string& name);
