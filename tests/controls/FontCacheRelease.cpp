// The font caches are freed at the end, as in every test program that draws text.
#include "tests/toolkit/FontCacheRelease.h"
