// The render loop as a whole: sleep and wake, determinism, the limiter.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <xmmintrin.h>

#include "engine/CrtRandom.h"
#include "engine/MasterVolume.h"
#include "tests/engine/EngineFixture.h"

namespace {

bool allZero(const float* x, int n)
{
    return std::all_of(x, x + n, [](float v) { return v == 0.0f; });
}

TEST(EngineRender, FallsAsleepAfterTheSoundDecaysAndWakesOnTheNextNote)
{
    FakeEngineHost host;
    Engine engine(host);
    applyProgram(engine, defaultProgram());
    MidiMessage on = midi(0x90, 72, 100), off = midi(0x80, 72, 0);
    engine.processMidi(&on, 1);
    std::vector<float> l(512), r(512);
    engine.process(l.data(), r.data(), 512);
    engine.processMidi(&off, 1);

    int silentFrom = -1;
    for (int block = 0; block < 1000 && silentFrom < 0; ++block) {
        engine.process(l.data(), r.data(), 512);
        if (allZero(l.data(), 512) && allZero(r.data(), 512)) silentFrom = block;
    }
    ASSERT_GE(silentFrom, 0) << "never fell silent";
    for (int block = 0; block < 50; ++block) {
        engine.process(l.data(), r.data(), 512);
        ASSERT_TRUE(allZero(l.data(), 512) && allZero(r.data(), 512));
    }
    engine.processMidi(&on, 1);
    engine.process(l.data(), r.data(), 512);
    EXPECT_FALSE(allZero(l.data(), 512));
}

TEST(EngineRender, SameProgramAndMidiGiveBitIdenticalOutput)
{
    auto run = [] {
        FakeEngineHost host;
        Engine engine(host);
        std::vector<float> program = defaultProgram();
        program[11] = 0.7f; // random partial spread
        program[17] = 0.6f; // random spring B spread
        applyProgram(engine, program);
        std::vector<float> l, r;
        const MidiMessage first[] = {midi(0x90, 40, 80, 3), midi(0x90, 64, 127, 200), midi(0xB0, 1, 90, 0)};
        engine.processMidi(first, 3);
        renderInto(engine, l, r, 4096, 256);
        const MidiMessage second[] = {midi(0xE0, 0, 100, 10), midi(0x80, 40, 0, 50), midi(0xB0, 1, 10, 60)};
        engine.processMidi(second, 3);
        renderInto(engine, l, r, 8192, 256);
        l.insert(l.end(), r.begin(), r.end());
        return l;
    };
    const std::vector<float> a = run();
    const std::vector<float> b = run();
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(0, std::memcmp(a.data(), b.data(), a.size() * sizeof(float)));
    EXPECT_GT(*std::max_element(a.begin(), a.end()), 0.0f);
}

TEST(EngineRender, RendersWithFlushToZeroAndGivesTheCallersModeBack)
{
    FakeEngineHost host;
    Engine engine(host);
    applyProgram(engine, defaultProgram());
    const unsigned int before = _mm_getcsr();
    _mm_setcsr(before & ~0x8000u);
    MidiMessage on = midi(0x90, 60, 100);
    engine.processMidi(&on, 1);
    std::vector<float> l(256), r(256);
    engine.process(l.data(), r.data(), 256);
    EXPECT_EQ(_mm_getcsr() & 0x8000u, 0u);
    _mm_setcsr(before);
}

TEST(EngineRender, ZeroFramesWriteNothing)
{
    FakeEngineHost host;
    Engine engine(host);
    float l = 7.0f, r = 7.0f;
    engine.process(&l, &r, 0);
    EXPECT_EQ(l, 7.0f);
    EXPECT_EQ(r, 7.0f);
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
    CrtRandom random;
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int e : expected) EXPECT_EQ(random.next(), e);
    random.seed(333);
    const int a = random.next();
    random.seed(333);
    EXPECT_EQ(random.next(), a);
}

TEST(EngineRender, SampleRateRule)
{
    FakeEngineHost host;
    Engine engine(host);
    EXPECT_EQ(engine.engineRate(), 48000.0f);
    EXPECT_EQ(engine.echoLineLength(0), 192000);
    engine.setSampleRate(8000.0f);
    EXPECT_EQ(engine.engineRate(), 48000.0f);
    engine.setSampleRate(100000.0f);
    EXPECT_EQ(engine.engineRate(), 48000.0f);
    engine.setSampleRate(44100.0f);
    EXPECT_EQ(engine.engineRate(), 44100.0f);
    engine.setSampleRate(96000.0f);
    EXPECT_EQ(engine.echoLineLength(1), 384000);
    EXPECT_EQ(host.broken, 0);
}

} // namespace
