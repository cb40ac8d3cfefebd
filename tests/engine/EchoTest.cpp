// Echo delay lengths: note values of the host tempo, and never beyond the line.
#include "engine/EchoLines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {
constexpr float kRate = 48000.0f;
constexpr int kLine = 4 * 48000;
} // namespace

TEST(EffectsEcho, TempoSyncedLengthsAreNoteValuesHalvedUntilTheyFit)
{
    EchoLines echo;
    ASSERT_TRUE(echo.allocate(kLine));
    echo.setSync(1.0f);
    // At 40 bpm a whole note lasts 6 s, the line 4 s: it halves until it fits.
    const struct
    {
        float rate, tempo;
        int delay;
    } cases[] = {{1.0f, 120.0f, 96000}, {0.92f, 120.0f, 72000}, {0.0f, 120.0f, 187}, {1.0f, 40.0f, 144000}};
    int line = 0;
    for (const auto& c : cases)
    {
        line = 1 - line;
        echo.setRate(line, c.rate);
        echo.prepareBlock(kRate, c.tempo);
        EXPECT_EQ(echo.delay(line), c.delay) << c.rate << " at " << c.tempo << " bpm";
    }
}

TEST(EffectsEcho, HostileValuesNeverReachPastTheLine)
{
    EchoLines echo;
    ASSERT_TRUE(echo.allocate(kLine));
    for (float tempo : {0.0f, -10.0f, 1e-30f, NAN, INFINITY})
        for (float v : {NAN, INFINITY, -INFINITY, -3.0f, 7.0f, 1e30f, 1.0f})
            for (int line = 0; line < 2; ++line)
            {
                echo.setSync(static_cast<float>(line));
                echo.setRate(line, v);
                echo.prepareBlock(kRate, tempo);
                for (int c : {0, 1})
                    ASSERT_TRUE(echo.delay(c) >= 0 && echo.delay(c) <= kLine); // 0 or 1: bypassed
            }
    echo.setFeedback(NAN);
    echo.setWet(INFINITY);
    std::vector<float> l(4096, 0.5f), r(4096, 0.5f);
    echo.process(l.data(), r.data(), 4096); // the sanitizer build watches the indexing
}

TEST(EffectsEcho, MissingLineIsBypassed)
{
    EchoLines echo;
    EXPECT_FALSE(echo.allocate(0));
    echo.setRate(0, 0.5f);
    echo.setSync(1.0f);
    echo.prepareBlock(kRate, 120.0f);
    echo.setWet(1.0f);
    echo.setFeedback(1.0f);
    std::vector<float> l(512, 0.25f), r(512, -0.25f);
    echo.process(l.data(), r.data(), 512);
    EXPECT_EQ(l, std::vector<float>(512, 0.25f));
    // A shorter line later keeps every delay inside it (the sanitizer build watches).
    ASSERT_TRUE(echo.allocate(100));
    echo.setSync(0.0f);
    echo.setRate(0, 1.0f);
    echo.prepareBlock(kRate, 120.0f);
    EXPECT_LE(echo.delay(0), 100);
    echo.process(l.data(), r.data(), 512);
}
