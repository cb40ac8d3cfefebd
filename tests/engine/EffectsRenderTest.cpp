// The effect stages inside the rendered engine: echo clearing, body strings and
// tube, spring B and NOISE mode, the crusher left straight.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/engine/EngineFixture.h"
#include "tests/engine/PitchMeter.h"
#include "tests/engine/Signal.h"

namespace {

constexpr float kRate = 48000.0f;

struct Take
{
    std::vector<float> left, right;
};

Take play(const Settings& changes, int key, int hold, int frames)
{
    EnginePlayer p(changes);
    p.strike(key, hold, frames);
    return {p.left, p.right};
}

} // namespace

TEST(EffectsRender, EchoWetZeroIsSilentButTheLineKeepsFilling)
{
    EnginePlayer p(with(
        kShortHit, {{ParamId::EchoLRate, 0.25f}, {ParamId::EchoFb, 0.5f}, {ParamId::EchoWet, 0.0f}})); // 24000 samples
    const int lastDry = lastNonZero(p.strike(96, 512, 30512).left);
    ASSERT_LT(lastDry, 23999);
    // Raise the wet later: what the line holds comes out at the second pass.
    p.engine.setParameter(ParamId::EchoWet, 1.0f);
    const EnginePlayer& t = p.render(30000);
    EXPECT_EQ(firstNonZero(t.left, lastDry + 1), firstNonZero(t.left) + 2 * 24000 - 1);
}

TEST(EffectsRender, ChangingEchoLeftRateClearsOnlyTheLeftLine)
{
    EnginePlayer p(with(kShortHit, {{ParamId::EchoLRate, 0.2f},
                                    {ParamId::EchoRRate, 0.2f},
                                    {ParamId::EchoFb, 0.9f},
                                    {ParamId::EchoWet, 1.0f}})); // 19200 samples
    const size_t from = p.strike(96, 512, 15872).left.size();
    p.engine.setParameter(ParamId::EchoLRate, 0.2f);
    const EnginePlayer& after = p.render(48000);
    EXPECT_EQ(firstNonZero(after.left, static_cast<int>(from)), -1);
    EXPECT_GT(energy(after.right, static_cast<int>(from)), 1e-6);
}

TEST(EffectsRender, BodyStringsOnlyForARealKeyRangeAndVolumeZeroStepsNoTube)
{
    // "Body Wet" 1: only the body strings are heard, and only when
    // "Body Lowest" lies below "Body Highest".
    const Settings body = {{ParamId::BodyVol, 1.0f}, {ParamId::BodyPhaMix, 0.0f}, {ParamId::BodyWet, 1.0f}};
    for (auto [lowest, highest] : {std::pair{0.6f, 0.3f}, {0.5f, 0.5f}, {0.3f, 0.6f}})
    {
        const Take t =
            play(with(body, {{ParamId::BodyLowest, lowest}, {ParamId::BodyHighest, highest}}), 60, 4096, 16384);
        const bool strings = lowest < highest;
        EXPECT_EQ(energy(t.left) > 1e-8, strings) << lowest << " " << highest;
        EXPECT_EQ(energy(t.right) > 1e-8, strings) << lowest << " " << highest;
    }
    // With the volume at 0 the tube's tuning and diffusion cannot matter.
    const Settings silentTube = {{ParamId::BodyVol, 0.0f},
                                 {ParamId::BodyPhaMix, 0.0f},
                                 {ParamId::BodyWet, 0.0f},
                                 {ParamId::BodyLowest, 0.0f},
                                 {ParamId::BodyHighest, 1.0f}};
    const Take a = play(with(silentTube, {{ParamId::BodyTune, 0.1f}, {ParamId::BodyDiffusion, 0.0f}}), 60, 4096, 8192);
    const Take b = play(with(silentTube, {{ParamId::BodyTune, 0.9f}, {ParamId::BodyDiffusion, 1.0f}}), 60, 4096, 8192);
    EXPECT_EQ(a.left, b.left);
    EXPECT_EQ(a.right, b.right);
}

namespace {
// Spring B of every key on E5 (659.26 Hz), body and echo out of the way.
Settings springB(float drive, const Settings& more = {})
{
    return with({{ParamId::SbVolume, drive},
                 {ParamId::SbFrqBottom, 76.0f / 128.0f},
                 {ParamId::SbFrqTop, 76.0f / 128.0f},
                 {ParamId::SbNoteOffset, 0.0f},
                 {ParamId::SbDiffusion, 0.0f},
                 {ParamId::BodyVol, 0.0f},
                 {ParamId::BodyPhaMix, 0.0f},
                 {ParamId::BodyHighest, 0.0f},
                 {ParamId::EchoWet, 0.0f}},
                more);
}
} // namespace

TEST(EffectsRender, SpringBAddsEnergyNearItsTunedFrequencyAndNothingWithoutDrive)
{
    const Take without = play(springB(0.0f), 60, 8192, 16384);
    const Take with = play(springB(0.5f), 60, 8192, 16384);
    const double f = 440.0 * std::pow(2.0, 7.0 / 12.0);
    EXPECT_GT(spectrumMagnitude(with.left, kRate, f, 1024, 8192),
              10.0 * spectrumMagnitude(without.left, kRate, f, 1024, 8192) + 1e-3);
    // With no drive the spring B tuning cannot change a single sample.
    EXPECT_EQ(play(springB(0.0f, {{ParamId::SbFrqBottom, 0.2f}, {ParamId::SbFrqTop, 0.9f}, {ParamId::SbDetune, 0.8f}}),
                   60, 8192, 8192)
                  .left,
              std::vector<float>(without.left.begin(), without.left.begin() + 8192));
}

TEST(EffectsRender, NoiseModeIsBandLimitedFollowsTheStrikeAndFallsSilent)
{
    // Spring A muted, short "sB Decay", resonant NOISE filter at
    // 2^((34 - 12) / 12) * 440 = 1569.6 Hz: what sounds is the filtered noise.
    const Settings noise = springB(1.0f, {{ParamId::SbDiffusion, 1.0f},
                                          {ParamId::SaVolume, 0.0f},
                                          {ParamId::SbDecay, 0.0f},
                                          {ParamId::SbFrqBottom, 0.5f},
                                          {ParamId::SbFrqTop, 0.95f}});
    const Take t = play(noise, 60, 2048, 48000);
    const double fn = 440.0 * std::pow(2.0, 22.0 / 12.0);
    EXPECT_GT(spectrumMagnitude(t.left, kRate, fn, 0, 2048),
              10.0 * spectrumMagnitude(t.left, kRate, fn * 4.0, 0, 2048));
    EXPECT_GT(energy(t.left, 0, 1024), 4.0 * energy(t.left, 2048, 3072)); // louder at the strike
    EXPECT_LT(std::max(lastNonZero(t.left), lastNonZero(t.right)), 36000); // silent once decayed
}

TEST(EffectsRender, CrusherAtStraightShapeLeavesTheOutputAlone)
{
    const Take a = play({{ParamId::CrushBits, 0.0f}, {ParamId::Crush, 0.0f}}, 60, 4096, 8192);
    EXPECT_EQ(a.left, play({{ParamId::CrushBits, 0.5f}, {ParamId::Crush, 0.0f}}, 60, 4096, 8192).left);
    EXPECT_NE(a.left, play({{ParamId::CrushBits, 3.0f / 16.0f}, {ParamId::Crush, 1.0f}}, 60, 4096, 8192).left);
}
