// Phaser and tremolo: the sweep heard, the tempo followed, an unusable song position.
#include "engine/Phaser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr float kRate = 48000.0f;
constexpr float kBeatsPerSample = 120.0f / 60.0f / kRate;

// Spread between the loudest and quietest 2400-sample window of a steady sine
// through a free-running phaser at its fastest tremolo.
float levelSwing(float depth)
{
    Phaser p;
    p.setFrequency(0.5f, 440.0f, kRate);
    p.setFeedback(0.5f);
    p.setMix(1.0f);
    p.setTremoloSync(0.0f, kBeatsPerSample);
    p.setTremoloRate(1.0f, kBeatsPerSample); // a turn in 0.06 s
    std::vector<float> peaks;
    for (int w = 0, i = 0; w < 40; ++w) {
        float peak = 0.0f;
        for (int j = 0; j < 2400; ++j, ++i) {
            float l = std::sin(i * 2.0f * 3.14159265f * 700.0f / kRate), r = l;
            p.process(l, r, depth);
            peak = std::max(peak, std::fabs(l));
        }
        if (w >= 2) peaks.push_back(peak);
    }
    auto [lo, hi] = std::minmax_element(peaks.begin(), peaks.end());
    return *hi - *lo;
}

} // namespace

TEST(EffectsPhaser, TremoloSweepsTheLevelAndDepthZeroHoldsIt)
{
    EXPECT_GT(levelSwing(1.0f), 0.05f);
    EXPECT_LT(levelSwing(0.0f), 0.01f);
}

TEST(EffectsPhaser, TempoModeFollowsAChangedHostTempo)
{
    Phaser p;
    p.setTremoloSync(0.5f, kBeatsPerSample); // Tempo
    ASSERT_EQ(p.sync(), Phaser::Sync::Tempo);
    p.setTremoloRate(5.0f / 16.0f, kBeatsPerSample); // n = 5: four beats times sqrt 2
    EXPECT_NEAR(p.increment(), 4.0f * std::sqrt(2.0f) * kBeatsPerSample, 1e-9);
    // The render loop hands a changed tempo at block start.
    const float faster = 150.0f / 60.0f / kRate;
    p.tempoChanged(faster);
    EXPECT_NEAR(p.increment(), 4.0f * std::sqrt(2.0f) * faster, 1e-9);
}

TEST(EffectsPhaser, SongModeKeepsItsPhaseWhenTheHostGivesNoPosition)
{
    Phaser p;
    p.setTremoloSync(1.0f, kBeatsPerSample); // Song
    p.setTremoloRate(2.0f / 16.0f, kBeatsPerSample);
    p.followSongPosition(1.25);
    const double phase = p.phase();
    p.followSongPosition(NAN);
    EXPECT_EQ(p.phase(), phase);
}
