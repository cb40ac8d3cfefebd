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
