#pragma once
// Frees the process-wide font caches when the tests end, so that the leak
// checker sees only leaks of our own. Included by one file of each test
// program that draws text.

#include "toolkit/FontCaches.h"

#include <gtest/gtest.h>

struct FontCacheRelease : ::testing::Environment
{
    void TearDown() override { VSTGUI::releaseFontCaches(); }
};

inline const auto* const fontCacheRelease = ::testing::AddGlobalTestEnvironment(new FontCacheRelease);
