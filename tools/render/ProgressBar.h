#pragma once
// A one-line progress bar on standard error, drawn only when it is a terminal.
#include <cstdint>

class ProgressBar
{
public:
    ProgressBar();
    // done out of total; redraws only when the shown percentage changes.
    void update(int64_t done, int64_t total);
    // Ends the line.
    void finish();

private:
    bool enabled;
    int shown = -1;
};
