// The render call's contract with its caller, and the random numbers.
#include <gtest/gtest.h>

#include <xmmintrin.h>

#include "engine/CrtRandom.h"
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

TEST(EngineRender, RandomNumbersFollowTheCRuntimeContract)
{
    // The seeded tuning tables (and so every program's sound) rest on this sequence.
    CrtRandom random;
    for (int e : {41, 18467, 6334, 26500, 19169})
        EXPECT_EQ(random.next(), e);
}

} // namespace
