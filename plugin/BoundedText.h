#pragma once
// Copies of texts taken from fixed-size fields. A field read from a chunk or a
// file need not hold a terminator, so nothing here reads past maxChars.
#include <cstddef>
#include <cstring>

// Copies at most maxChars characters of src (stopping at its terminator) and
// terminates dst; dst must hold maxChars + 1 bytes.
inline void copyBounded(char* dst, const char* src, size_t maxChars)
{
    size_t n = src ? strnlen(src, maxChars) : 0;
    if (n)
        std::memcpy(dst, src, n);
    dst[n] = 0;
}

// Writes text into a fixed field of fieldBytes bytes: at most fieldBytes - 1
// characters, the rest of the field zeroed.
inline void writeField(char* field, size_t fieldBytes, const char* text)
{
    size_t n = text ? strnlen(text, fieldBytes - 1) : 0;
    if (n)
        std::memcpy(field, text, n);
    std::memset(field + n, 0, fieldBytes - n);
}
