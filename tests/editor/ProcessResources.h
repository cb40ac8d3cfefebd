#pragma once
// What this process holds, read from /proc: open file descriptors (a window
// system connection or a font file left open shows here) and resident memory.
#include <dirent.h>
#include <unistd.h>

#include <cstdio>

inline int openDescriptors()
{
    int n = 0;
    if (DIR* d = opendir("/proc/self/fd"))
    {
        while (dirent* e = readdir(d))
            if (e->d_name[0] != '.')
                ++n;
        closedir(d);
    }
    return n - 1; // the listing's own
}

inline long residentKiB()
{
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r"))
    {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The sanitizers keep freed memory in quarantine: resident memory says nothing there.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kResidentMemoryMeaningful = false;
#else
constexpr bool kResidentMemoryMeaningful = true;
#endif
