// The render call's contract with its caller, the volume limiter and the random numbers.
#include <gtest/gtest.h>

#include <xmmintrin.h>

#include "engine/CrtRandom.h"
#include "engine/MasterVolume.h"
#include "tests/engine/EngineFixture.h"

namespace {

TEST(EngineRender, RendersWithFlushToZeroAndGivesTheCallersModeBack)
{
    EnginePlayer p;
    const unsigned int before = _mm_getcsr();
    _mm_setcsr(before & ~0x8000u);
    p.send({midi(0x90, 60, 100)}).render(256);
    EXPECT_EQ(_mm_getcsr() & 0x8000u, 0u);
    _mm_setcsr(before);
}

TEST(EngineRender, FullVolumeSquaresTheSignalAndHalfVolumePassesIt)
{
    EXPECT_EQ(masterVolume(0.25f, 1.0f), 0.25f);
    EXPECT_NEAR(masterVolume(0.001f, 2.0f), 1.0f, 1e-4f);
    EXPECT_NEAR(masterVolume(-0.001f, 2.0f), -1.0f, 1e-4f);
    EXPECT_EQ(masterVolume(0.0f, 2.0f), 0.0f); // no 0/0 at silence
    EXPECT_LT(masterVolume(0.1f, 1.5f), 1.0f);
    EXPECT_GT(masterVolume(0.1f, 1.5f), 0.15f);
}

TEST(EngineRender, RandomNumbersFollowTheCRuntimeContract)
{
    // The seeded tuning tables (and so every program's sound) rest on this sequence.
    CrtRandom random;
    for (int e : {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464}) EXPECT_EQ(random.next(), e);
    random.seed(333);
    const int a = random.next();
    random.seed(333);
    EXPECT_EQ(random.next(), a);
}

} // namespace
