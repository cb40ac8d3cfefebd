// A host opens and closes the editor any number of times in a session: after
// a thousand headless rounds the process holds no more descriptors and no
// more memory than after the first few (the leak checker's build accounts
// for every allocation at exit).
#include <gtest/gtest.h>

#include "tests/editor/EditorHost.h"
#include "tests/editor/ProcessResources.h"

namespace {

TEST(EditorLifetime, AThousandHeadlessOpensLeaveNothingBehind)
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    constexpr int kRounds = 100; // each round is many times slower there
#else
    constexpr int kRounds = 1000;
#endif
    EditorHost h;
    ASSERT_TRUE(h.ok());
    auto round = [&h](int i) {
        ASSERT_TRUE(h.open());
        h.idle();
        if (i % 10 == 0)
            h.host.setParameter(ParamId::Volume, static_cast<float>(i % 100) / 100.f);
        h.close();
    };
    // The first rounds fill the caches that live as long as the process (fonts).
    for (int i = 0; i < 5; ++i)
        round(i);
    const int descriptors = openDescriptors();
    const long memory = residentKiB();
    for (int i = 0; i < kRounds; ++i)
    {
        round(i);
        if (::testing::Test::HasFatalFailure())
            return;
    }
    EXPECT_EQ(openDescriptors(), descriptors);
    if (kResidentMemoryMeaningful)
    {
        EXPECT_LT(residentKiB() - memory, 16 * 1024) << "resident memory grew over " << kRounds << " rounds";
    }
}

} // namespace
