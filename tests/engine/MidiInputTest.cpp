// MIDI input heard at the engine's output: release, pedal, velocity 0, the key
// range, controllers, channels and blocks without an event batch.
#include <gtest/gtest.h>

#include "tests/engine/EngineFixture.h"
#include "tests/engine/Signal.h"

namespace {

struct Step
{
    std::vector<MidiMessage> batch;
    int frames;
};

// Fresh engine on the default program: each batch, then its frames. Left channel.
std::vector<float> play(const std::vector<Step>& steps, std::vector<float>* right = nullptr)
{
    EnginePlayer p;
    for (const Step& s : steps)
        p.send(s.batch).render(s.frames);
    if (right)
        *right = p.right;
    return p.left;
}

const MidiMessage kOn = midi(0x90, 60, 100), kOff = midi(0x80, 60, 0);

TEST(EngineMidi, ReleasePedalAndVelocityZero)
{
    const double held = rms(play({{{kOn}, 52800}}), 24000, 52800);
    const double released = rms(play({{{kOn}, 4800}, {{kOff}, 48000}}), 24000, 52800);
    EXPECT_GT(held, 10.0 * released);

    // The pedal keeps a released key ringing; lifting it lets the key go.
    const std::vector<float> pedal =
        play({{{midi(0xB0, 64, 127), kOn}, 4800}, {{kOff}, 48000}, {{midi(0xB0, 64, 0)}, 48000}});
    const double ringing = rms(pedal, 24000, 52800);
    EXPECT_GT(ringing, 10.0 * released);
    EXPECT_LT(rms(pedal, 76800, 100800), 0.1 * ringing);

    // A note-on of velocity 0 is a note-off, exactly.
    EXPECT_EQ(rms(play({{{midi(0x90, 60, 0)}, 4800}})), 0.0);
    EXPECT_EQ(play({{{kOn}, 4800}, {{midi(0x90, 60, 0)}, 48000}}), play({{{kOn}, 4800}, {{kOff}, 48000}}));
}

TEST(EngineMidi, OnlyThePianoRangeSounds)
{
    std::vector<float> right;
    const std::vector<float> left =
        play({{{midi(0x90, 20, 127), midi(0x90, 109, 127), midi(0x90, 0, 127), midi(0x90, 127, 127)}, 9600},
              {{midi(0x90, 21, 127), midi(0x90, 108, 127)}, 9600}},
             &right);
    EXPECT_EQ(rms(left, 0, 9600) + rms(right, 0, 9600), 0.0);
    EXPECT_GT(rms(left, 9600), 1e-4);
}

TEST(EngineMidi, AllNotesOffControllersSilenceEverything)
{
    for (int cc = 123; cc <= 127; ++cc)
    {
        std::vector<float> right;
        const std::vector<float> left =
            play({{{midi(0xB0, 64, 127), midi(0x90, 48, 127), midi(0x90, 60, 127), midi(0x90, 72, 127)}, 4800},
                  {{midi(0xB3, cc, 0)}, 4800}},
                 &right);
        ASSERT_GT(rms(left, 2400, 4800), 1e-4);
        // Only the output filters' last few samples may follow the cut.
        EXPECT_LT(rms(left, 4800 + 256), 1e-6) << cc;
        EXPECT_LT(rms(right, 4800 + 256), 1e-6) << cc;
    }
}

TEST(EngineMidi, VolumeModeControllersAndTheChannelChangeNothing)
{
    const MidiMessage on = midi(0x90, 64, 90);
    const std::vector<float> plain = play({{{on}, 2400}, {{}, 9600}});
    EXPECT_EQ(
        play({{{on}, 2400}, {{midi(0xB0, 7, 0), midi(0xB0, 120, 0), midi(0xB0, 121, 0), midi(0xB0, 122, 0)}, 9600}}),
        plain);
    EXPECT_EQ(play({{{midi(0x9F, 64, 90)}, 2400}, {{}, 9600}}), plain);
}

TEST(EngineMidi, BlocksWithoutABatchHoldBendSaturationAndWheel)
{
    // A host that sends an (empty) batch before every block and one that sends
    // batches only with events must sound the same: the ramps run once.
    EnginePlayer batchless, everyBlock;
    for (EnginePlayer* p : {&batchless, &everyBlock})
    {
        p->send({midi(0x90, 69, 100), midi(0xE0, 127, 127), midi(0xB0, 1, 100)});
        p->engine.setParameter(ParamId::SaSaturate, 0.8f);
    }
    batchless.render(40 * 512);
    for (int block = 0; block < 40; ++block)
        (block > 0 ? everyBlock.send({}) : everyBlock).render(512);
    EXPECT_EQ(batchless.left, everyBlock.left);
}

} // namespace
