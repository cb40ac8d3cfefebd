#include "editor/SafeFileName.h"

std::string safeFileName(const std::string& name)
{
    std::string safe;
    safe.reserve(name.size());
    for (const char c : name)
    {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            continue;
        // "AC/DC" keeps its two words apart.
        safe += c == '/' ? '-' : c;
    }
    // A leading dot hides the file, and "." and ".." name folders.
    const size_t first = safe.find_first_not_of('.');
    safe.erase(0, first == std::string::npos ? safe.size() : first);
    if (safe.size() > kSafeNameBytes)
    {
        size_t n = kSafeNameBytes;
        while (n > 0 && (static_cast<unsigned char>(safe[n]) & 0xC0) == 0x80)
            --n; // no UTF-8 character cut in half
        safe.resize(n);
    }
    return safe.empty() ? "Untitled" : safe;
}
