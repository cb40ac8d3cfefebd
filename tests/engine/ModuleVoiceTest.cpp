// How a key voice sounds through the module: where it sits in the stereo
// field, which spring A oscillator is heard, a strike without power and the wheel.

#include <gtest/gtest.h>

#include <cmath>

#include "tests/engine/ModuleStrike.h"
#include "tests/engine/PitchMeter.h"
#include "tests/engine/Signal.h"

namespace {

// Spring A alone (no spring B, no body) with the given changes: one key struck.
StereoBuffer springA(const Settings& settings, int key, size_t frames)
{
    return moduleStrike(with({{ParamId::SbVolume, 0.0f}, {ParamId::BodyVol, 0.0f}}, settings), key, frames, frames);
}

TEST(ModuleVoice, SpreadPlacesLowKeysLeftAndHighKeysRight)
{
    const StereoBuffer low = springA({{ParamId::OutSpread, 1.0f}}, 21, 9600),
                       high = springA({{ParamId::OutSpread, 1.0f}}, 108, 9600);
    EXPECT_GT(energy(low.left), 100.0 * energy(low.right));
    EXPECT_GT(energy(high.right), 100.0 * energy(high.left));
}

TEST(ModuleVoice, BalanceChoosesBetweenMainAndPartial)
{
    // "sA Note Offset" at 0.5 puts the partial an octave above the main oscillator.
    const StereoBuffer main = springA({{ParamId::SaBalance, 0.0f}}, 69, 24000),
                       partial = springA({{ParamId::SaBalance, 1.0f}}, 69, 24000);
    auto at = [](const StereoBuffer& b, double hz) { return spectrumMagnitude(b.left, 48000.0, hz, 0, 24000); };
    EXPECT_GT(at(main, 440.0), 100.0 * at(main, 880.0));
    EXPECT_GT(at(partial, 880.0), 100.0 * at(partial, 440.0));
}

TEST(ModuleVoice, HitPowerZeroWaitsForTheModWheel)
{
    TestHost host;
    ASSERT_TRUE(host.ok()) << host.error();
    host.setParameter(ParamId::HitPower, 0.0f); // no strike power: the strike never pushes
    host.noteOn(57, 127);
    EXPECT_TRUE(host.render(9600).allZero());
    for (int value = 0; value <= 127; value += 8)
        host.controller(1, value), host.render(512);
    EXPECT_GT(host.render(4800).peak(), 1e-4f);
}

} // namespace
