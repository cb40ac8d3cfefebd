// Phaser tremolo: a song position the host cannot give leaves the phase alone
// (the sweep locked to the song is heard through the module).
#include "engine/Phaser.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(EffectsPhaser, SongModeKeepsItsPhaseWhenTheHostGivesNoPosition)
{
    constexpr float kBeatsPerSample = 120.0f / 60.0f / 48000.0f;
    Phaser p;
    p.setTremoloSync(1.0f, kBeatsPerSample); // Song
    p.setTremoloRate(2.0f / 16.0f, kBeatsPerSample);
    p.followSongPosition(1.25);
    const double phase = p.phase();
    p.followSongPosition(NAN);
    EXPECT_EQ(p.phase(), phase);
}

TEST(EffectsPhaser, SongModeSweepsWithoutAStepAtBlockStarts)
{
    // The block start sets the phase from the song position; within the block
    // it must advance at the same pace, so a steady song sweeps smoothly.
    constexpr double kRate = 48000.0, kTempo = 97.0;
    constexpr float kBeatsPerSample = static_cast<float>(kTempo / 60.0 / kRate);
    for (float rate : {2.0f / 16.0f, 1.0f})
    {
        Phaser p;
        p.setMix(1.0f);
        p.setTremoloSync(1.0f, kBeatsPerSample);
        p.setTremoloRate(rate, kBeatsPerSample);
        double song = 3.0;
        p.followSongPosition(song);
        for (int block = 0; block < 50; ++block)
        {
            for (int j = 0; j < 512; ++j)
            {
                float l = 0.0f, r = 0.0f;
                p.process(l, r, 0.5f);
            }
            const double carried = p.phase();
            song += 512 * kTempo / 60.0 / kRate;
            p.followSongPosition(song);
            double step = std::fabs(p.phase() - carried);
            step = std::fmin(step, 6.283185307179586 - step); // across a full turn
            ASSERT_LT(step, 4.0 * p.increment()) << "block " << block << ", rate " << rate;
        }
    }
}
