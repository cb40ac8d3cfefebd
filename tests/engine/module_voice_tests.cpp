// How a key voice sounds through the module: where it sits in the stereo
// field, which spring A oscillator is heard, soft strikes and the wheel, volume.
#ifdef VANT_HAVE_TESTHOST

#include <gtest/gtest.h>

#include <cmath>

#include "tests/engine/PitchMeter.h"
#include "tests/support/TestHost.h"

namespace {

double energy(const std::vector<float>& x)
{
    double e = 0.0;
    for (float v : x) e += static_cast<double>(v) * v;
    return e;
}

// Spring A alone: no spring B drive, no body.
void springAOnly(TestHost& host)
{
    host.setParameter(13, 0.0f); // "sB Volume"
    host.setParameter(24, 0.0f); // "Body Vol"
}

TEST(ModuleVoice, SpreadPlacesLowKeysLeftAndHighKeysRight)
{
    for (int key : {21, 108}) {
        TestHost host;
        ASSERT_TRUE(host.ok()) << host.error();
        springAOnly(host);
        host.setParameter(43, 1.0f); // "OUT Spread" full
        host.noteOn(key, 110);
        const StereoBuffer out = host.render(9600);
        const double left = energy(out.left), right = energy(out.right);
        if (key == 21)
            EXPECT_GT(left, 100.0 * right) << "key 21";
        else
            EXPECT_GT(right, 100.0 * left) << "key 108";
    }
    TestHost centred;
    ASSERT_TRUE(centred.ok());
    springAOnly(centred);
    centred.setParameter(43, 0.0f);
    centred.noteOn(21, 110);
    const StereoBuffer out = centred.render(9600);
    EXPECT_NEAR(energy(out.left) / energy(out.right), 1.0, 1e-3);
}

TEST(ModuleVoice, BalanceChoosesBetweenMainAndPartial)
{
    // "sA Note Offset" at 0.5 puts the partial an octave above the main oscillator.
    auto spectrum = [](float balance, double& at440, double& at880) {
        TestHost host;
        ASSERT_TRUE(host.ok()) << host.error();
        springAOnly(host);
        host.setParameter(6, balance);
        host.noteOn(69, 100);
        const StereoBuffer out = host.render(24000);
        at440 = spectrumMagnitude(out.left, 48000.0, 440.0, 0, 24000);
        at880 = spectrumMagnitude(out.left, 48000.0, 880.0, 0, 24000);
    };
    double main440 = 0, main880 = 0, part440 = 0, part880 = 0;
    spectrum(0.0f, main440, main880);
    spectrum(1.0f, part440, part880);
    EXPECT_GT(main440, 100.0 * main880);
    EXPECT_GT(part880, 100.0 * part440);
}

TEST(ModuleVoice, HitPowerZeroWaitsForTheModWheel)
{
    TestHost host;
    ASSERT_TRUE(host.ok()) << host.error();
    host.setParameter(0, 0.0f); // no strike power: the strike never pushes
    host.noteOn(57, 127);
    EXPECT_TRUE(host.render(9600).allZero());
    for (int value = 0; value <= 127; value += 8) {
        host.controller(1, value);
        host.render(512);
    }
    EXPECT_GT(host.render(4800).peak(), 1e-4f);
}

TEST(ModuleVoice, SoftStrikeBuildsUpMoreSlowlyThanAHit)
{
    auto firstMillisecondsShare = [](float hitPower) {
        TestHost host;
        EXPECT_TRUE(host.ok()) << host.error();
        springAOnly(host);
        host.setParameter(0, hitPower);
        host.noteOn(60, 127);
        const StereoBuffer out = host.render(24000);
        const std::vector<float> head(out.left.begin(), out.left.begin() + 480);
        return energy(head) / energy(out.left);
    };
    EXPECT_GT(firstMillisecondsShare(1.0f), 4.0 * firstMillisecondsShare(0.9f));
}

TEST(ModuleVoice, VolumeFromSilenceToSquare)
{
    TestHost quiet;
    ASSERT_TRUE(quiet.ok());
    quiet.setParameter(1, 0.0f);
    quiet.noteOn(60, 127);
    EXPECT_TRUE(quiet.render(4800).allZero());

    TestHost loud;
    ASSERT_TRUE(loud.ok());
    springAOnly(loud);
    loud.setParameter(1, 1.0f);
    loud.noteOn(60, 127);
    const StereoBuffer out = loud.render(4800);
    EXPECT_TRUE(out.allFinite());
    EXPECT_LE(out.peak(), 1.0f);
    EXPECT_GT(out.peak(), 0.5f);
}

} // namespace

#endif
