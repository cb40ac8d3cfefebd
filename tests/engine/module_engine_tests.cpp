// The sound engine heard through the built module, driven as a host drives it:
// the pitch a key sounds, when a strike lands, sleep, and repeatability.
#ifdef VANT_HAVE_TESTHOST

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "tests/engine/PitchMeter.h"
#include "tests/support/TestHost.h"

namespace {

std::vector<float> mono(const StereoBuffer& b)
{
    std::vector<float> m(b.frames());
    for (size_t i = 0; i < m.size(); ++i) m[i] = b.left[i] + b.right[i];
    return m;
}

// Strikes one key on a fresh instance (after the given parameter changes) and
// measures the pitch of the strongest partial near the expected frequency.
double soundedPitch(float rate, int key, double expected, std::vector<std::pair<int, float>> params = {},
                    int bend14 = -1)
{
    TestHost::Options options;
    options.sampleRate = rate;
    TestHost host(options);
    EXPECT_TRUE(host.ok()) << host.error();
    if (!host.ok()) return 0.0;
    for (const auto& [index, value] : params) host.setParameter(index, value);
    if (bend14 >= 0) host.pitchBend(bend14);
    host.noteOn(key, 100);
    const StereoBuffer out = host.render(static_cast<size_t>(1.2 * rate));
    return measurePitch(mono(out), rate, expected, static_cast<int>(0.15 * rate), static_cast<int>(rate));
}

void expectPitch(double measured, double expected, const char* what)
{
    const double cents = centsBetween(measured, expected);
    std::printf("[ pitch    ] %s: %.4f Hz, expected %.4f Hz, error %+.3f cents\n", what, measured, expected, cents);
    EXPECT_NEAR(cents, 0.0, 1.0) << what << " sounds " << measured << " Hz";
}

TEST(ModuleEnginePitch, A4SoundsConcertPitchAtCommonRates)
{
    for (float rate : {44100.0f, 48000.0f, 96000.0f}) {
        char what[64];
        std::snprintf(what, sizeof what, "key 69 at %.0f Hz", static_cast<double>(rate));
        expectPitch(soundedPitch(rate, 69, 440.0), 440.0, what);
    }
}

TEST(ModuleEnginePitch, MiddleC)
{
    expectPitch(soundedPitch(48000.0f, 60, 261.6256), 261.6256, "key 60");
}

TEST(ModuleEnginePitch, ConcertAMovesTheTuning)
{
    expectPitch(soundedPitch(48000.0f, 69, 420.0, {{39, 0.0f}}), 420.0, "key 69, Concert A 0");
    expectPitch(soundedPitch(48000.0f, 69, 460.0, {{39, 1.0f}}), 460.0, "key 69, Concert A 1");
}

TEST(ModuleEnginePitch, MicrotuningRaisesItsPitchClassByASemitone)
{
    const double up = 440.0 * std::pow(2.0, 1.0 / 12.0);
    expectPitch(soundedPitch(48000.0f, 69, up, {{60, 1.0f}}), up, "key 69, MT A 1.0");
    // Other pitch classes stay where they were.
    expectPitch(soundedPitch(48000.0f, 60, 261.6256, {{60, 1.0f}}), 261.6256, "key 60, MT A 1.0");
}

TEST(ModuleEnginePitch, FullPitchBendMovesByTheRange)
{
    // Default range: two semitones. Full up is one step short of the range.
    const double up = 440.0 * std::pow(2.0, 2.0 * 8191.0 / 8192.0 / 12.0);
    const double down = 440.0 * std::pow(2.0, -2.0 / 12.0);
    expectPitch(soundedPitch(48000.0f, 69, up, {}, 16383), up, "key 69, bend full up");
    expectPitch(soundedPitch(48000.0f, 69, down, {}, 0), down, "key 69, bend full down");
    // A twelve-semitone range bends a full octave.
    expectPitch(soundedPitch(48000.0f, 69, 220.0, {{44, 1.0f}}, 0), 220.0, "key 69, range 12, bend full down");
}

TEST(ModuleEngineTime, StrikeLandsAtItsDeltaFrames)
{
    TestHost host;
    ASSERT_TRUE(host.ok()) << host.error();
    host.noteOn(60, 100, 100);
    const StereoBuffer out = host.render(512);
    for (size_t i = 0; i < 100; ++i) {
        ASSERT_EQ(out.left[i], 0.0f) << i;
        ASSERT_EQ(out.right[i], 0.0f) << i;
    }
    bool heard = false;
    for (size_t i = 100; i < 103; ++i) heard = heard || out.left[i] != 0.0f || out.right[i] != 0.0f;
    EXPECT_TRUE(heard);
}

TEST(ModuleEngineTime, FallsSilentAfterReleaseAndWakesOnTheNextNote)
{
    TestHost host;
    ASSERT_TRUE(host.ok()) << host.error();
    host.noteOn(64, 110);
    host.render(4800);
    host.noteOff(64);
    bool silent = false;
    for (int block = 0; block < 40 && !silent; ++block) silent = host.render(4800).allZero();
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
        host.setParameter(11, 0.6f); // random partial spread
        host.setParameter(87, 0.5f); // sand
        host.controller(64, 127);
        host.noteOn(40, 90, 17);
        host.noteOn(67, 120, 300);
        host.controller(1, 80, 5);
        StereoBuffer a = host.render(6000);
        host.pitchBend(12000, 40);
        host.noteOff(40, 10);
        StereoBuffer b = host.render(6000);
        a.left.insert(a.left.end(), b.left.begin(), b.left.end());
        a.left.insert(a.left.end(), b.right.begin(), b.right.end());
        a.left.insert(a.left.end(), a.right.begin(), a.right.end());
        return a.left;
    };
    const std::vector<float> first = run();
    const std::vector<float> second = run();
    ASSERT_EQ(first.size(), second.size());
    EXPECT_EQ(0, std::memcmp(first.data(), second.data(), first.size() * sizeof(float)));
}

} // namespace

#endif
