// The module loads through its entry point and the harness can drive it.
#include <gtest/gtest.h>

#include "tests/support/TestHost.h"

TEST(Harness, LoadsTheModuleAndRendersFiniteAudio) {
    TestHost host;
    ASSERT_TRUE(host.ok()) << host.error() << " (VANT_MODULE_PATH=" << TestHost::modulePath() << ")";
    host.noteOn(69, 100, 10);
    StereoBuffer out = host.render(4096);
    EXPECT_EQ(out.frames(), 4096u);
    EXPECT_TRUE(out.allFinite());
}
