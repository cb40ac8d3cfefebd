// How a key's pitch moves after the strike: a key bent and released glides
// back all the way to its tuning, and "ENV pitch" sharpens only the attack.
#include <gtest/gtest.h>

#include "engine/EngineState.h"
#include "engine/KeyStep.h"
#include "engine/KeyTuning.h"
#include "tests/engine/EngineFixture.h"
#include "tests/engine/PitchMeter.h"
#include "tests/support/TestHost.h"

namespace {

// Key 69 alone (main oscillator, no spring B or body), rendered for `seconds`;
// when `bend` is set it is bent two semitones up for half a second, then
// released and the wheel let go.
std::vector<float> glide(float relax, bool bend, double seconds)
{
    TestHost host;
    EXPECT_TRUE(host.ok()) << host.error();
    const std::pair<ParamId, float> settings[] = {{ParamId::SaBalance, 0.0f},
                                                  {ParamId::SbVolume, 0.0f},
                                                  {ParamId::BodyVol, 0.0f},
                                                  {ParamId::Release, 1.0f},
                                                  {ParamId::PitchRelax, relax}};
    for (auto [id, v] : settings)
        host.setParameter(id, v);
    host.noteOn(69, 100);
    if (bend)
        host.pitchBend(16383);
    std::vector<float> out = host.render(24000).left;
    host.noteOff(69);
    host.pitchBend(8192);
    const std::vector<float> rest = host.render(static_cast<size_t>(seconds * 48000.0) - 24000).left;
    out.insert(out.end(), rest.begin(), rest.end());
    return out;
}

TEST(PitchGlide, ABentKeyReleasedReturnsToItsPitch)
{
    // Three seconds after the release the key sounds where it would had it
    // never been bent.
    const std::vector<float> bent = glide(0.6f, true, 4.5), straight = glide(0.6f, false, 4.5);
    const int from = 24000 + 3 * 48000, length = 48000;
    const double cents = centsBetween(measurePitch(bent, 48000.0, 440.0, from, length),
                                      measurePitch(straight, 48000.0, 440.0, from, length));
    EXPECT_LT(std::fabs(cents), 0.1) << cents;
}

TEST(PitchGlide, TheReturnEndsExactlyOnTheTarget)
{
    // At the default "Pitch relax" the steps fall below the float resolution
    // some cents short of the target; the key must still arrive exactly.
    FakeEngineHost host;
    EngineState s(host);
    s.clock.periodSquared = 1.0f / (48000.0f * 48000.0f);
    computeRelaxRate(s, paramDefault(ParamId::PitchRelax));
    KeyBank& k = s.keys;
    const int n = 69;
    k.mainTargetStiffness[n] = 0.0033f, k.partialTargetStiffness[n] = 0.0066f, k.bTargetStiffness[n] = 0.02f;
    k.mainStiffness[n] = k.mainTargetStiffness[n] * 1.26f; // two semitones up
    k.partialStiffness[n] = k.partialTargetStiffness[n] * 1.26f;
    k.bStiffness[n] = k.bTargetStiffness[n] * 1.26f;
    int samples = 0;
    for (; samples < 60 * 48000 && k.mainStiffness[n] != k.mainTargetStiffness[n]; ++samples)
        relaxKeyPitch(k, n, s.tuning.relaxRate);
    EXPECT_EQ(k.mainStiffness[n], k.mainTargetStiffness[n]) << "after " << samples << " samples";
    EXPECT_EQ(k.partialStiffness[n], k.partialTargetStiffness[n]);
    EXPECT_EQ(k.bStiffness[n], k.bTargetStiffness[n]);
}

TEST(PitchGlide, EnvelopePitchSharpensTheAttackOnly)
{
    TestHost host;
    ASSERT_TRUE(host.ok()) << host.error();
    for (auto [id, v] : {std::pair{ParamId::SaBalance, 0.0f},
                         {ParamId::SbVolume, 0.0f},
                         {ParamId::BodyVol, 0.0f},
                         {ParamId::EnvPitch, 1.0f}})
        host.setParameter(id, v);
    host.noteOn(57, 127);
    const std::vector<float> out = host.render(96000).left;
    const double attack = centsBetween(measurePitch(out, 48000.0, 226.0, 0, 2400), 220.0);
    const double later = centsBetween(measurePitch(out, 48000.0, 220.0, 48000, 48000), 220.0);
    EXPECT_GT(attack, 20.0) << "sharp at the attack";
    EXPECT_LT(std::fabs(later), 2.0) << "back at pitch";
}

} // namespace
