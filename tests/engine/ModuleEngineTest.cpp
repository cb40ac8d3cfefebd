// The sound engine heard through the built module, driven as a host drives it:
// the pitch a key sounds, when a strike lands, sleep, and repeatability.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "tests/engine/ModuleStrike.h"
#include "tests/engine/PitchMeter.h"
#include "tests/engine/Signal.h"

namespace {

// Strikes one key on a fresh instance (after the given parameter changes and
// bend) and measures the strongest partial near the expected frequency.
double soundedPitch(float rate, int key, double expected, const Settings& params, int bend14)
{
    const size_t n = static_cast<size_t>(1.2 * rate);
    const StereoBuffer out = moduleStrike(
        params, key, n, n,
        [bend14](TestHost& host) {
            if (bend14 >= 0)
                host.pitchBend(bend14);
        },
        rate);
    std::vector<float> mono(out.frames());
    for (size_t i = 0; i < mono.size(); ++i)
        mono[i] = out.left[i] + out.right[i];
    return measurePitch(mono, rate, expected, static_cast<int>(0.15 * rate), static_cast<int>(rate));
}

TEST(ModuleEnginePitch, KeysConcertAMicrotuningAndBendSoundTheirPitch)
{
    const double semitone = std::pow(2.0, 1.0 / 12.0);
    struct Case
    {
        const char* what;
        float rate;
        int key;
        double hz;
        Settings params;
        int bend14;
    };
    const Case cases[] = {
        {"key 69 at 44100 Hz", 44100.0f, 69, 440.0, {}, -1},
        {"key 69 at 48000 Hz", 48000.0f, 69, 440.0, {}, -1},
        {"key 69 at 96000 Hz", 96000.0f, 69, 440.0, {}, -1},
        {"key 60", 48000.0f, 60, 261.6256, {}, -1},
        {"key 69, Concert A 0", 48000.0f, 69, 420.0, {{ParamId::ConcertA, 0.0f}}, -1},
        {"key 69, Concert A 1", 48000.0f, 69, 460.0, {{ParamId::ConcertA, 1.0f}}, -1},
        // "MT A" at 1 raises its pitch class by two semitones, at 0.25 lowers it by one.
        {"key 69, MT A 1.0", 48000.0f, 69, 440.0 * semitone * semitone, {{microtuningParam(9), 1.0f}}, -1},
        {"key 69, MT A 0.25", 48000.0f, 69, 440.0 / semitone, {{microtuningParam(9), 0.25f}}, -1},
        // Default range: two semitones; full up is one step short of the range.
        {"key 69, bend full up", 48000.0f, 69, 440.0 * std::pow(2.0, 2.0 * 8191.0 / 8192.0 / 12.0), {}, 16383},
        {"key 69, range 12, bend full down", 48000.0f, 69, 220.0, {{ParamId::PitchRange, 1.0f}}, 0},
        // LSB 0, MSB 96: half way up, one semitone at the default range.
        {"key 69, bend LSB 0 MSB 96", 48000.0f, 69, 440.0 * semitone, {}, 96 << 7},
        {"key 69 at 176400 Hz", 176400.0f, 69, 440.0, {}, -1},
        {"key 69 at 192000 Hz", 192000.0f, 69, 440.0, {}, -1},
    };
    for (const Case& c : cases)
    {
        const double measured = soundedPitch(c.rate, c.key, c.hz, c.params, c.bend14);
        const double cents = centsBetween(measured, c.hz);
        std::printf("[ pitch    ] %s: %.4f Hz, expected %.4f Hz, error %+.3f cents\n", c.what, measured, c.hz, cents);
        EXPECT_NEAR(cents, 0.0, 1.0) << c.what << " sounds " << measured << " Hz";
    }
}

TEST(ModuleEngineTime, StrikeLandsAtItsDeltaFrames)
{
    TestHost host;
    ASSERT_TRUE(host.ok()) << host.error();
    host.noteOn(60, 100, 100);
    const StereoBuffer out = host.render(512);
    for (const std::vector<float>* channel : {&out.left, &out.right})
        EXPECT_THAT(firstNonZero(*channel), testing::AllOf(testing::Ge(100), testing::Le(102)));
}

TEST(ModuleEngineTime, FallsSilentAfterReleaseAndWakesOnTheNextNote)
{
    TestHost host;
    ASSERT_TRUE(host.ok()) << host.error();
    host.noteOn(64, 110);
    host.render(4800);
    host.noteOff(64);
    bool silent = false;
    for (int block = 0; block < 40 && !silent; ++block)
        silent = host.render(4800).allZero();
    ASSERT_TRUE(silent) << "still sounding 4 seconds after the release";
    EXPECT_TRUE(host.render(48000).allZero());
    host.noteOn(64, 110);
    EXPECT_GT(host.render(4800).peak(), 0.01f);
}

TEST(ModuleEngineTime, SameProgramAndMidiRenderBitIdentically)
{
    auto run = [] {
        TestHost host;
        EXPECT_TRUE(host.ok()) << host.error();
        host.setParameter(ParamId::SaRndTune, 0.6f); // random partial spread
        host.setParameter(ParamId::SandGrains, 0.5f); // sand
        host.controller(64, 127);
        host.noteOn(40, 90, 17);
        host.noteOn(67, 120, 300);
        host.controller(1, 80, 5);
        const StereoBuffer a = host.render(6000);
        host.pitchBend(12000, 40);
        host.noteOff(40, 10);
        const StereoBuffer b = host.render(6000);
        return std::vector<std::vector<float>>{a.left, a.right, b.left, b.right};
    };
    EXPECT_EQ(run(), run());
}

} // namespace
