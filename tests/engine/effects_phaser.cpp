// Phaser and tremolo: sweep speed, sync modes and the song-position lock.
#include "engine/Curves.h"
#include "engine/Phaser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr float kRate = 48000.0f;
constexpr float kBeatsPerSample = 120.0f / 60.0f / kRate;

// Peak level of a steady sine through the phaser, in windows of 2400 samples.
std::vector<float> windowPeaks(Phaser& p, float depth, int windows)
{
    std::vector<float> out;
    int i = 0;
    for (int w = 0; w < windows; ++w) {
        float peak = 0.0f;
        for (int j = 0; j < 2400; ++j, ++i) {
            float l = std::sin(i * 2.0f * 3.14159265f * 700.0f / kRate), r = l;
            p.process(l, r, depth);
            peak = std::max(peak, std::fabs(l));
        }
        out.push_back(peak);
    }
    return out;
}

} // namespace

TEST(EffectsPhaser, TremoloSweepsTheLevelAndDepthZeroHoldsIt)
{
    Phaser p;
    p.setFrequency(0.5f, 440.0f, kRate);
    p.setFeedback(0.5f);
    p.setMix(1.0f);
    p.setTremoloSync(0.0f, kBeatsPerSample);
    p.setTremoloRate(1.0f, kBeatsPerSample); // about 2.1e-3 rad per sample: a turn in 0.06 s
    std::vector<float> swept = windowPeaks(p, 1.0f, 40);
    auto [lo, hi] = std::minmax_element(swept.begin() + 2, swept.end());
    EXPECT_GT(*hi - *lo, 0.05f);

    Phaser still;
    still.setFrequency(0.5f, 440.0f, kRate);
    still.setFeedback(0.5f);
    still.setMix(1.0f);
    still.setTremoloRate(1.0f, kBeatsPerSample);
    std::vector<float> held = windowPeaks(still, 0.0f, 40);
    auto [lo2, hi2] = std::minmax_element(held.begin() + 2, held.end());
    EXPECT_LT(*hi2 - *lo2, 0.01f);
}

TEST(EffectsPhaser, IncrementFollowsModeRateAndTempo)
{
    Phaser p;
    p.setTremoloSync(0.0f, kBeatsPerSample);
    p.setTremoloRate(0.5f, kBeatsPerSample);
    EXPECT_FLOAT_EQ(p.increment(), 0.0625f * 0.002f + 0.0001f);

    p.setTremoloSync(0.5f, kBeatsPerSample); // Tempo
    ASSERT_EQ(p.sync(), Phaser::Sync::Tempo);
    p.setTremoloRate(4.0f / 16.0f, kBeatsPerSample); // n = 4
    EXPECT_FLOAT_EQ(p.increment(), 4.0f * kBeatsPerSample);
    p.setTremoloRate(5.0f / 16.0f, kBeatsPerSample); // n = 5: a factor sqrt 2 above
    EXPECT_NEAR(p.increment(), 4.0f * std::sqrt(2.0f) * kBeatsPerSample, 1e-9);

    // The render loop hands a changed tempo at block start.
    const float faster = 150.0f / 60.0f / kRate;
    p.followSongPosition(3.0);
    EXPECT_NEAR(p.increment(), 4.0f * std::sqrt(2.0f) * kBeatsPerSample, 1e-9);
    p.tempoChanged(faster);
    EXPECT_NEAR(p.increment(), 4.0f * std::sqrt(2.0f) * faster, 1e-9);
}

TEST(EffectsPhaser, SongModeTakesThePhaseFromTheSongPosition)
{
    Phaser p;
    p.setMix(1.0f);
    p.setTremoloSync(1.0f, kBeatsPerSample); // Song
    ASSERT_EQ(p.sync(), Phaser::Sync::Song);
    p.setTremoloRate(2.0f / 16.0f, kBeatsPerSample); // n = 2: one turn every two beats
    for (double pos : {0.0, 0.5, 1.25, 3.0, 1000.75}) {
        p.followSongPosition(pos);
        const double expected = std::fmod(2.0 * pos * 1.5707963705062866, 2 * M_PI);
        EXPECT_NEAR(std::sin(p.phase()), std::sin(expected), 1e-6) << pos;
        EXPECT_NEAR(std::cos(p.phase()), std::cos(expected), 1e-6) << pos;
    }
    // Within the block the phase runs on by the increment.
    p.followSongPosition(0.5);
    const double start = p.phase();
    float l = 0.0f, r = 0.0f;
    for (int i = 0; i < 100; ++i) p.process(l, r, 0.5f);
    EXPECT_NEAR(p.phase() - start, 100.0 * p.increment(), 1e-6);
    // A position the host cannot give keeps the phase.
    p.followSongPosition(NAN);
    EXPECT_TRUE(std::isfinite(p.phase()));
}
