// Echo lines: where echoes land, how loud, and what clears them.
#include "engine/EchoLines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr float kRate = 48000.0f;

struct EchoRig {
    EchoLines echo;
    std::vector<float> left, right;

    explicit EchoRig(int frames) : left(frames, 0.0f), right(frames, 0.0f)
    {
        EXPECT_TRUE(echo.allocate(static_cast<int>(4 * kRate)));
    }
    void run() { echo.process(left.data(), right.data(), static_cast<int>(left.size())); }
};

// Index of every sample whose magnitude exceeds the threshold.
std::vector<int> peaks(const std::vector<float>& x, float threshold)
{
    std::vector<int> at;
    for (size_t i = 0; i < x.size(); ++i)
        if (std::fabs(x[i]) > threshold) at.push_back(static_cast<int>(i));
    return at;
}

} // namespace

TEST(EffectsEcho, HitReturnsAfterLengthMinusOneWithWetTimesFeedback)
{
    EchoRig rig(4000);
    rig.echo.setRate(0, 0.01f, kRate, 120.0f); // 960 samples
    rig.echo.setRate(1, 0.02f, kRate, 120.0f); // 1920 samples
    rig.echo.setFeedback(0.5f);
    rig.echo.setWet(0.8f);
    ASSERT_EQ(rig.echo.delay(0), 960);
    ASSERT_EQ(rig.echo.delay(1), 1920);
    rig.left[0] = 1.0f;
    rig.right[0] = 1.0f;
    rig.run();

    EXPECT_EQ(peaks(rig.left, 1e-6f), (std::vector<int>{0, 959, 959 + 960, 959 + 2 * 960, 959 + 3 * 960}));
    EXPECT_FLOAT_EQ(rig.left[959], 0.8f * 0.5f);
    EXPECT_FLOAT_EQ(rig.left[959 + 960], 0.8f * 0.25f);
    EXPECT_FLOAT_EQ(rig.left[959 + 2 * 960], 0.8f * 0.125f);
    EXPECT_EQ(peaks(rig.right, 1e-6f), (std::vector<int>{0, 1919, 1919 + 1920}));
    EXPECT_FLOAT_EQ(rig.right[1919], 0.4f);
}

TEST(EffectsEcho, SilentAtWetZeroButTheLineKeepsFilling)
{
    EchoRig rig(3000);
    rig.echo.setRate(0, 0.01f, kRate, 120.0f);
    rig.echo.setFeedback(0.5f);
    rig.echo.setWet(0.0f);
    rig.left[0] = 1.0f;
    rig.run();
    EXPECT_EQ(peaks(rig.left, 0.0f), std::vector<int>{0});

    // Raising the wet later plays what the line holds: the fourth pass of the hit.
    std::fill(rig.left.begin(), rig.left.end(), 0.0f);
    rig.echo.setWet(1.0f);
    rig.run();
    std::vector<int> at = peaks(rig.left, 1e-7f);
    ASSERT_FALSE(at.empty());
    EXPECT_EQ(at[0], 3 * 960 + 959 - 3000);
    EXPECT_FLOAT_EQ(rig.left[at[0]], 0.0625f);
}

TEST(EffectsEcho, RateChangeClearsOnlyItsOwnLine)
{
    EchoRig rig(48000);
    rig.echo.setRate(0, 0.5f, kRate, 120.0f);
    rig.echo.setRate(1, 0.5f, kRate, 120.0f);
    rig.echo.setFeedback(0.9f);
    rig.echo.setWet(1.0f);
    for (int i = 0; i < 100; ++i) rig.left[i] = rig.right[i] = 0.5f;
    rig.run();

    rig.echo.setRate(0, 0.5f, kRate, 120.0f); // same length, line wiped
    std::fill(rig.left.begin(), rig.left.end(), 0.0f);
    std::fill(rig.right.begin(), rig.right.end(), 0.0f);
    rig.run();
    EXPECT_TRUE(peaks(rig.left, 0.0f).empty());
    EXPECT_FALSE(peaks(rig.right, 0.1f).empty());
}

TEST(EffectsEcho, TempoSyncAtRateOneIsFourBeats)
{
    EchoRig rig(8);
    rig.echo.setRate(0, 1.0f, kRate, 120.0f);
    rig.echo.setSync(1.0f, kRate, 120.0f);
    EXPECT_EQ(rig.echo.delay(0), 96000); // four beats at 120 bpm
    rig.echo.setSync(1.0f, kRate, 90.0f);
    EXPECT_NEAR(rig.echo.delay(0), 128000, 1); // the 1/240 factor is a float
    // Rate 0.92 gives k = 1: a dotted half note.
    rig.echo.setRate(1, 0.92f, kRate, 120.0f);
    EXPECT_EQ(rig.echo.delay(1), 72000);
}

TEST(EffectsEcho, SlowTempoHalvesTheNoteUntilItFitsTheLine)
{
    EchoRig rig(8);
    rig.echo.setSync(1.0f, kRate, 40.0f);
    rig.echo.setRate(0, 1.0f, kRate, 40.0f); // a whole note lasts 6 s
    EXPECT_EQ(rig.echo.delay(0), 144000);   // a half note
    rig.echo.setRate(1, 0.92f, kRate, 40.0f); // dotted half: 4.5 s
    EXPECT_EQ(rig.echo.delay(1), 108000);     // dotted quarter
    for (float tempo : {0.0f, -10.0f, 1e-30f, NAN, INFINITY}) {
        rig.echo.setSync(1.0f, kRate, tempo);
        for (int line = 0; line < 2; ++line) {
            EXPECT_GE(rig.echo.delay(line), 0) << tempo;
            EXPECT_LE(rig.echo.delay(line), rig.echo.length(line)) << tempo;
        }
    }
}

TEST(EffectsEcho, HostileRatesStayInsideTheLine)
{
    EchoRig rig(256);
    for (float v : {NAN, INFINITY, -INFINITY, -3.0f, 7.0f, 1e30f}) {
        rig.echo.setRate(0, v, kRate, 120.0f);
        rig.echo.setRate(1, v, kRate, 10.0f);
        EXPECT_GE(rig.echo.delay(0), 1);
        EXPECT_LE(rig.echo.delay(0), rig.echo.length(0));
        EXPECT_LE(rig.echo.delay(1), rig.echo.length(1));
    }
    rig.echo.setFeedback(NAN);
    rig.echo.setWet(INFINITY);
    rig.left[0] = 1.0f;
    rig.run(); // must not index outside (checked by the sanitizer build)
}

TEST(EffectsEcho, MissingLineIsBypassed)
{
    EchoLines echo;
    EXPECT_FALSE(echo.allocate(0));
    EXPECT_EQ(echo.length(0), 0);
    EXPECT_EQ(echo.length(1), 0);
    echo.setRate(0, 0.5f, kRate, 120.0f);
    echo.setSync(1.0f, kRate, 120.0f);
    echo.setWet(1.0f);
    echo.setFeedback(1.0f);
    std::vector<float> l(512, 0.25f), r(512, -0.25f);
    echo.process(l.data(), r.data(), 512);
    for (int i = 0; i < 512; ++i) {
        ASSERT_EQ(l[i], 0.25f);
        ASSERT_EQ(r[i], -0.25f);
    }
    // A later, shorter allocation keeps every delay within the new line.
    ASSERT_TRUE(echo.allocate(100));
    echo.setSync(0.0f, kRate, 120.0f);
    echo.setRate(0, 1.0f, kRate, 120.0f);
    EXPECT_LE(echo.delay(0), 100);
    echo.process(l.data(), r.data(), 512);
}
