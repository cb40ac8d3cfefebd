#include "tools/render/ProgressBar.h"

#include <cstdio>
#include <unistd.h>

ProgressBar::ProgressBar() : enabled(isatty(STDERR_FILENO) != 0) {}

void ProgressBar::update(int64_t done, int64_t total)
{
    if (!enabled || total <= 0)
        return;
    int percent = static_cast<int>(done * 100 / total);
    percent = percent < 0 ? 0 : (percent > 100 ? 100 : percent);
    if (percent == shown)
        return;
    shown = percent;
    char bar[41];
    const int filled = percent * 40 / 100;
    for (int i = 0; i < 40; ++i)
        bar[i] = i < filled ? '#' : '.';
    bar[40] = '\0';
    std::fprintf(stderr, "\rrendering [%s] %3d%%", bar, percent);
    std::fflush(stderr);
}

void ProgressBar::finish()
{
    if (enabled && shown >= 0)
        std::fputc('\n', stderr);
    shown = -1;
}
