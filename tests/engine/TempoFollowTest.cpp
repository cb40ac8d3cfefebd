// The host's tempo and song position heard through the module: synced echoes
// follow the tempo the host plays at from the first block, and the song-locked
// tremolo follows the position even from a host that answers only what it is
// asked.
#include <gtest/gtest.h>

#include "tests/engine/ModuleStrike.h"
#include "tests/engine/Signal.h"

namespace {

TEST(TempoFollow, SyncedEchoLandsOnTheHostTempoFromTheFirstBlock)
{
    // A quarter note at 90 bpm is 32000 samples; the program was applied while
    // the instrument still assumed 120 bpm (24000).
    auto run = [](float wet) {
        return moduleStrike(with(kShortHit, {{ParamId::EchoSync, 1.0f},
                                             {ParamId::EchoLRate, 0.75f}, // a quarter note
                                             {ParamId::EchoFb, 0.5f},
                                             {ParamId::EchoWet, wet}}),
                            96, 512, 40000, [](TestHost& host) { host.setTempo(90.0); })
            .left;
    };
    const std::vector<float> dry = run(0.0f), wet = run(1.0f);
    const int echo = firstNonZero(wet, lastNonZero(dry) + 1) - firstNonZero(dry);
    EXPECT_NEAR(echo, 32000, 2);
}

TEST(TempoFollow, SyncedEchoFollowsATempoChange)
{
    auto run = [](float wet) {
        TestHost host;
        for (auto [id, v] : with(kShortHit, {{ParamId::EchoSync, 1.0f},
                                             {ParamId::EchoLRate, 0.75f},
                                             {ParamId::EchoFb, 0.5f},
                                             {ParamId::EchoWet, wet}}))
            host.setParameter(id, v);
        host.render(4096); // at 120 bpm
        host.setTempo(150.0);
        host.noteOn(96, 100);
        return host.render(30000).left;
    };
    const std::vector<float> dry = run(0.0f), wet = run(1.0f);
    EXPECT_NEAR(firstNonZero(wet, lastNonZero(dry) + 1) - firstNonZero(dry), 19200, 2) << "a quarter at 150 bpm";
}

TEST(TempoFollow, SongLockedTremoloFollowsThePositionFromAHostThatFillsOnlyWhatIsAsked)
{
    auto at = [](double position) {
        TestHost host;
        host.module().setTimeInfoOnlyAsked(true);
        for (auto [id, v] : {std::pair{ParamId::BodyTrSync, 1.0f},
                             {ParamId::BodyPhaMix, 1.0f},
                             {ParamId::BodyTremolo, 1.0f},
                             {ParamId::BodyWet, 1.0f},
                             {ParamId::BodyVol, 1.0f}})
            host.setParameter(id, v);
        host.setPosition(position);
        host.noteOn(48, 110);
        return host.render(9600).left;
    };
    EXPECT_NE(at(0.0), at(1.3)) << "the sweep starts where the song is";
}

} // namespace
