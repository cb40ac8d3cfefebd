#include "tests/toolkit/FontCacheRelease.h"
