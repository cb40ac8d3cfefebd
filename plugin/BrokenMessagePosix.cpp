#include "plugin/BrokenMessage.h"

#include <cstdio>

// No window of our own to put a box in: the host's terminal or log gets it.
void showBrokenMessage() { std::fputs("BROKEN\n", stderr); }
