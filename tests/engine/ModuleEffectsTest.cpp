// The effect stages heard through the built module, driven as a host drives
// it: where the echo lands, the tempo-synced echo, the body tube's channel, the
// sand, and the tremolo locked to the host's song position.

#include <gtest/gtest.h>

#include <cmath>

#include "tests/engine/ModuleStrike.h"
#include "tests/engine/Signal.h"

TEST(EffectsModule, EchoReturnsAfterLengthMinusOneWithWetTimesFeedback)
{
    const Settings echo = {
        {ParamId::EchoLRate, 0.25f}, {ParamId::EchoRRate, 0.25f}, {ParamId::EchoSync, 0.0f}, {ParamId::EchoFb, 0.5f}};
    const StereoBuffer dry = moduleStrike(with(kShortHit, with(echo, {{ParamId::EchoWet, 0.0f}})), 96, 512, 60000);
    const StereoBuffer wet = moduleStrike(with(kShortHit, with(echo, {{ParamId::EchoWet, 0.8f}})), 96, 512, 60000);
    const int L = 24000;
    const int last = lastNonZero(dry.left);
    ASSERT_GT(last, 0);
    ASSERT_LT(last, L - 1);
    EXPECT_EQ(firstNonZero(wet.left, last + 1), firstNonZero(dry.left) + L - 1);
    for (int t = L - 1; t < 2 * L - 1; ++t)
    {
        ASSERT_NEAR(wet.left[t] - dry.left[t], 0.4f * dry.left[t - L + 1], 1e-6f) << t;
        ASSERT_NEAR(wet.right[t] - dry.right[t], 0.4f * dry.right[t - L + 1], 1e-6f) << t;
    }
    // Wet at 0: nothing but the dry sound.
    for (int t = last + 1; t < static_cast<int>(dry.frames()); ++t)
        ASSERT_EQ(dry.left[t], 0.0f);
}

TEST(EffectsModule, TempoSyncedEchoAtRateOneIsFourBeatsOfTheHostTempo)
{
    auto run = [](float wet) {
        return moduleStrike(with(kShortHit, {{ParamId::EchoFb, 0.5f}, {ParamId::EchoWet, wet}}), 96, 512, 120512,
                            [](TestHost& host) {
                                host.setTempo(100.0); // four beats: 2.4 s
                                host.render(512); // the engine reads the host's tempo, asleep too
                                host.setParameter(ParamId::EchoLRate, 1.0f);
                                host.setParameter(ParamId::EchoSync, 1.0f);
                            })
            .left;
    };
    const std::vector<float> dry = run(0.0f), wet = run(1.0f);
    // 115200 samples, less the float rounding of the 1/240 factor.
    EXPECT_NEAR(firstNonZero(wet, lastNonZero(dry) + 1), firstNonZero(dry) + 115200 - 1, 1);
}

TEST(EffectsModule, BodyTubeSoundsOnTheRightChannelOnly)
{
    const Settings body = {{ParamId::BodyWet, 0.0f},
                           {ParamId::BodyLowest, 0.0f},
                           {ParamId::BodyHighest, 0.0f},
                           {ParamId::BodyPhaMix, 0.0f},
                           {ParamId::BodyDiffusion, 0.5f}};
    const StereoBuffer off = moduleStrike(with(body, {{ParamId::BodyVol, 0.0f}}), 60, 4096, 16384);
    const StereoBuffer on = moduleStrike(with(body, {{ParamId::BodyVol, 1.0f}}), 60, 4096, 16384);
    EXPECT_EQ(on.left, off.left);
    EXPECT_GT(peakDifference(on.right, off.right), 2e-4); // the tube is quiet: about -66 dB
}

TEST(EffectsModule, SandClicksInBothChannelsOnlyFromOneGrainUp)
{
    const StereoBuffer off = moduleStrike({{ParamId::SandGrains, 0.0f}}, 40, 8192, 16384);
    const StereoBuffer under = moduleStrike({{ParamId::SandGrains, 0.0099f}}, 40, 8192, 16384);
    EXPECT_EQ(off.left, under.left);
    EXPECT_EQ(off.right, under.right);
    const StereoBuffer sand = moduleStrike({{ParamId::SandGrains, 0.5f}, {ParamId::SandBounce, 1.0f}}, 40, 8192, 16384);
    EXPECT_GT(peakDifference(sand.left, off.left), 1e-3);
    EXPECT_GT(peakDifference(sand.right, off.right), 1e-3);
}

TEST(EffectsModule, SongModeTremoloFollowsTheHostsSongPosition)
{
    // Song mode, n = 2: one sweep turn per two quarter notes. A song two
    // quarters further on sounds the same; one quarter on (half a turn) does not.
    auto run = [](double start) {
        const Settings s = {{ParamId::BodyWet, 1.0f},    {ParamId::BodyPhaseFrq, 0.45f},
                            {ParamId::BodyPhaMix, 1.0f}, {ParamId::BodyTremolo, 1.0f},
                            {ParamId::BodyTrSync, 1.0f}, {ParamId::BodyTrRate, 2.0f / 16.0f}};
        return moduleStrike(s, 60, 20480, 20480,
                            [start](TestHost& host) {
                                host.setTempo(120.0);
                                host.setPosition(start);
                                host.setPlaying(true);
                            })
            .left;
    };
    const std::vector<float> a = run(1.0), b = run(3.0), c = run(2.0);
    const double level = peakDifference(a);
    ASSERT_GT(level, 1e-4);
    EXPECT_LT(peakDifference(a, b), 1e-4 * level);
    EXPECT_GT(peakDifference(a, c), 1e-2 * level);
}
