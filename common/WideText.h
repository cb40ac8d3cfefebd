#pragma once
// Text at the Windows API: the instrument keeps every text and path in UTF-8
// with '/' between folder names, and speaks UTF-16 only to the system's wide
// functions. Windows takes '/' in paths as it takes '\'.
#ifndef _WIN32
#error "WideText.h is for the Windows build only"
#endif

#include <string>
#include <windows.h>

// UTF-8 (invalid bytes become U+FFFD) to UTF-16.
inline std::wstring wideText(const std::string& text)
{
    if (text.empty())
        return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
    return wide;
}

inline std::wstring wideText(const char* text) { return text ? wideText(std::string(text)) : std::wstring(); }

// UTF-16 (lone surrogates become U+FFFD) to UTF-8.
inline std::string utf8Text(const wchar_t* wide, size_t length)
{
    if (!wide || length == 0)
        return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(length), &text[0], n, nullptr, nullptr);
    return text;
}

inline std::string utf8Text(const std::wstring& wide) { return utf8Text(wide.data(), wide.size()); }

// A path from the system, as the instrument keeps it: UTF-8, '/' between names.
inline std::string utf8Path(const std::wstring& wide)
{
    std::string path = utf8Text(wide);
    for (char& c : path)
        if (c == '\\')
            c = '/';
    return path;
}
