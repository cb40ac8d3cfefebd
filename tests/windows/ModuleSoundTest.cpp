// Notes played through Vantorel.dll: A4 sounds 440 Hz at the usual host rates,
// a released note falls silent (denormals flushed, the engine asleep) and
// wakes on the next note, and the host's own floating-point mode survives a
// render call.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <xmmintrin.h>

#include "tests/engine/PitchMeter.h"
#include "tests/support/TestHost.h"

namespace {

double pitchOfA4(float rate)
{
    TestHost::Options options;
    options.sampleRate = rate;
    TestHost host(options);
    EXPECT_TRUE(host.ok()) << host.error();
    const size_t n = static_cast<size_t>(1.2 * rate);
    host.noteOn(69, 100);
    const StereoBuffer out = host.render(n);
    std::vector<float> mono(out.frames());
    for (size_t i = 0; i < mono.size(); ++i)
        mono[i] = out.left[i] + out.right[i];
    return measurePitch(mono, rate, 440.0, static_cast<int>(0.15 * rate), static_cast<int>(rate));
}

TEST(WindowsSound, A4SoundsWithinOneCentOf440Hz)
{
    for (float rate : {44100.0f, 48000.0f, 96000.0f})
    {
        const double hz = pitchOfA4(rate);
        const double cents = centsBetween(hz, 440.0);
        std::printf("[ pitch    ] A4 at %.0f Hz: %.4f Hz, %+.3f cents\n", rate, hz, cents);
        EXPECT_NEAR(cents, 0.0, 1.0) << "at " << rate << " Hz A4 sounds " << hz << " Hz";
    }
}

TEST(WindowsSound, AChordRingsOutToExactSilenceAndWakesAgain)
{
    TestHost host;
    ASSERT_TRUE(host.ok()) << host.error();
    for (int key : {48, 55, 64, 71})
        host.noteOn(key, 110);
    const StereoBuffer chord = host.render(9600);
    EXPECT_GT(chord.peak(), 0.05f);
    EXPECT_TRUE(chord.allFinite());
    for (int key : {48, 55, 64, 71})
        host.noteOff(key);
    bool silent = false;
    int subnormals = 0;
    for (int block = 0; block < 40 && !silent; ++block)
    {
        const StereoBuffer tail = host.render(4800);
        for (const std::vector<float>* channel : {&tail.left, &tail.right})
            for (float s : *channel)
                subnormals += std::fpclassify(s) == FP_SUBNORMAL ? 1 : 0;
        silent = tail.allZero();
    }
    EXPECT_TRUE(silent) << "still sounding 4 seconds after the release";
    EXPECT_EQ(subnormals, 0) << "a decaying tail must flush to zero";
    host.noteOn(60, 100);
    EXPECT_GT(host.render(4800).peak(), 0.01f);
}

TEST(WindowsSound, RenderLeavesTheHostsFloatingPointModeAsItWas)
{
    TestHost host;
    ASSERT_TRUE(host.ok()) << host.error();
    // The host's audio thread without flush-to-zero, as many hosts run it.
    const unsigned saved = _mm_getcsr();
    const unsigned hostMode = saved & ~0x8040u;
    _mm_setcsr(hostMode);
    host.noteOn(69, 100);
    const StereoBuffer out = host.render(2048);
    const unsigned after = _mm_getcsr();
    _mm_setcsr(saved);
    EXPECT_GT(out.peak(), 0.01f);
    EXPECT_EQ(after, hostMode);
}

} // namespace
