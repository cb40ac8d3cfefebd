#pragma once
// A fresh folder under /tmp, removed with everything in it; whole-file reads
// and writes.
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

struct TempDir
{
    TempDir()
    {
        char pattern[] = "/tmp/vantorel-test-XXXXXX";
        path = mkdtemp(pattern);
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::string file(const char* name) const { return (path / name).string(); }
    std::filesystem::path path;
};

inline std::vector<unsigned char> readFile(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::vector<unsigned char>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::filesystem::path& p, const std::vector<unsigned char>& bytes)
{
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
