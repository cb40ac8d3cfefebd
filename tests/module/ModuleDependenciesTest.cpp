// The libraries the module needs when a host loads it, read from its ELF
// dynamic section: never the build machine's C++ runtime (libstdc++, libgcc_s),
// only what every Linux desktop has.
#include <elf.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "tests/module/TempDir.h"

namespace {

// The DT_NEEDED names of a 64-bit little-endian shared object; empty with a
// message in error when the file is not one.
std::vector<std::string> neededLibraries(const std::vector<unsigned char>& f, std::string& error)
{
    auto in = [&](uint64_t offset, uint64_t size) { return offset <= f.size() && size <= f.size() - offset; };
    Elf64_Ehdr eh;
    if (!in(0, sizeof eh) || std::memcmp(f.data(), ELFMAG, SELFMAG) != 0 || f[EI_CLASS] != ELFCLASS64)
    {
        error = "not a 64-bit ELF file";
        return {};
    }
    std::memcpy(&eh, f.data(), sizeof eh);
    std::vector<Elf64_Shdr> sections(eh.e_shnum);
    if (eh.e_shentsize != sizeof(Elf64_Shdr) || !in(eh.e_shoff, uint64_t{eh.e_shnum} * sizeof(Elf64_Shdr)))
    {
        error = "bad section table";
        return {};
    }
    std::memcpy(sections.data(), f.data() + eh.e_shoff, sections.size() * sizeof(Elf64_Shdr));
    std::vector<std::string> needed;
    for (const Elf64_Shdr& s : sections)
    {
        if (s.sh_type != SHT_DYNAMIC || s.sh_link >= sections.size() || !in(s.sh_offset, s.sh_size))
            continue;
        const Elf64_Shdr& strings = sections[s.sh_link];
        for (uint64_t at = s.sh_offset; at + sizeof(Elf64_Dyn) <= s.sh_offset + s.sh_size; at += sizeof(Elf64_Dyn))
        {
            Elf64_Dyn d;
            std::memcpy(&d, f.data() + at, sizeof d);
            if (d.d_tag == DT_NULL)
                break;
            if (d.d_tag == DT_NEEDED && d.d_un.d_val < strings.sh_size && in(strings.sh_offset, strings.sh_size))
                needed.emplace_back(reinterpret_cast<const char*>(f.data() + strings.sh_offset + d.d_un.d_val));
        }
    }
    if (needed.empty())
        error = "no dynamic section with DT_NEEDED entries";
    return needed;
}

bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

bool needsCppRuntime(const std::vector<std::string>& needed)
{
    return std::any_of(needed.begin(), needed.end(), [](const std::string& lib) {
        return startsWith(lib, "libstdc++") || startsWith(lib, "libgcc_s");
    });
}

TEST(ModuleDependencies, TheReadingFindsTheRuntimeOfThisTestProgram)
{
    std::string error;
    EXPECT_TRUE(needsCppRuntime(neededLibraries(readFile("/proc/self/exe"), error))) << error;
}

TEST(ModuleDependencies, OnlyLibrariesEveryDesktopHas)
{
#ifdef VANT_SANITIZED
    GTEST_SKIP() << "a sanitized module keeps the shared C++ runtime";
#endif
    std::string error;
    const std::vector<std::string> needed = neededLibraries(readFile(VANTOREL_MODULE), error);
    ASSERT_FALSE(needed.empty()) << error;
    EXPECT_NE(std::find(needed.begin(), needed.end(), "libc.so.6"), needed.end());
    // glibc's own libraries, and the drawing stack the editor uses.
    const char* allowed[] = {"libc.so.", "libm.so.",   "libdl.so.",    "libpthread.so.",   "librt.so.",
                             "ld-linux", "libX11.so.", "libcairo.so.", "libfontconfig.so."};
    EXPECT_FALSE(needsCppRuntime(needed)) << "the module needs the build machine's C++ runtime";
    for (const std::string& lib : needed)
    {
        bool ok = false;
        for (const char* a : allowed)
            ok = ok || startsWith(lib, a);
        EXPECT_TRUE(ok) << "the module needs " << lib << ", which a desktop may not have";
    }
}

} // namespace
