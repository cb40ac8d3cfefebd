// MIDI input heard at the engine's output: strike timing, release, pedal,
// controllers and the key range.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "tests/engine/EngineFixture.h"

namespace {

double rms(const std::vector<float>& x, size_t from, size_t to)
{
    double sum = 0.0;
    for (size_t i = from; i < to; ++i) sum += static_cast<double>(x[i]) * x[i];
    return std::sqrt(sum / static_cast<double>(to - from));
}

class EngineMidi : public ::testing::Test {
protected:
    EngineMidi() : engine(host) { applyProgram(engine, defaultProgram()); }

    void send(std::initializer_list<MidiMessage> list)
    {
        std::vector<MidiMessage> m(list);
        engine.processMidi(m.data(), static_cast<int>(m.size()));
    }
    void render(int frames) { renderInto(engine, left, right, frames); }

    FakeEngineHost host;
    Engine engine;
    std::vector<float> left, right;
};

TEST_F(EngineMidi, ReleasedKeyDecaysFasterThanHeldKey)
{
    send({midi(0x90, 60, 100)});
    render(4800);
    send({midi(0x80, 60, 0)});
    render(48000);
    const double released = rms(left, 24000, 52800);

    Engine held(host);
    applyProgram(held, defaultProgram());
    MidiMessage on = midi(0x90, 60, 100);
    held.processMidi(&on, 1);
    std::vector<float> l, r;
    renderInto(held, l, r, 52800);
    const double sustained = rms(l, 24000, 52800);
    EXPECT_GT(sustained, 10.0 * released);
}

TEST_F(EngineMidi, PedalKeepsReleasedKeyRinging)
{
    send({midi(0xB0, 64, 127), midi(0x90, 60, 100)});
    render(4800);
    send({midi(0x80, 60, 0)});
    render(48000);
    const double pedal = rms(left, 24000, 52800);

    Engine plain(host);
    applyProgram(plain, defaultProgram());
    MidiMessage on = midi(0x90, 60, 100), off = midi(0x80, 60, 0);
    std::vector<float> l, r;
    plain.processMidi(&on, 1);
    renderInto(plain, l, r, 4800);
    plain.processMidi(&off, 1);
    renderInto(plain, l, r, 48000);
    EXPECT_GT(pedal, 10.0 * rms(l, 24000, 52800));

    // Lifting the pedal lets the released key go.
    send({midi(0xB0, 64, 0)});
    render(48000);
    EXPECT_LT(rms(left, 52800 + 24000, 100800), 0.1 * pedal);
}

TEST_F(EngineMidi, KeysOutsideThePianoStaySilent)
{
    send({midi(0x90, 20, 127), midi(0x90, 109, 127), midi(0x90, 0, 127), midi(0x90, 127, 127)});
    render(9600);
    EXPECT_EQ(rms(left, 0, left.size()) + rms(right, 0, right.size()), 0.0);

    send({midi(0x90, 21, 127), midi(0x90, 108, 127)});
    render(9600);
    EXPECT_GT(rms(left, 9600, 19200), 1e-4);
}

TEST_F(EngineMidi, VelocityZeroIsASilentStrikeThatHoldsTheKey)
{
    send({midi(0x90, 60, 0)});
    render(4800);
    EXPECT_EQ(rms(left, 0, left.size()), 0.0);

    // Struck, released, then "struck" at velocity 0: the key is down again and
    // rings at the held decay instead of the release.
    send({midi(0x90, 60, 100)});
    render(4800);
    send({midi(0x80, 60, 0), midi(0x90, 60, 0)});
    render(48000);
    const double heldAgain = rms(left, 4800 + 24000, 4800 + 52800);

    Engine released(host);
    applyProgram(released, defaultProgram());
    MidiMessage on = midi(0x90, 60, 100), off = midi(0x80, 60, 0);
    std::vector<float> l, r;
    renderInto(released, l, r, 4800);
    released.processMidi(&on, 1);
    renderInto(released, l, r, 4800);
    released.processMidi(&off, 1);
    renderInto(released, l, r, 48000);
    EXPECT_GT(heldAgain, 10.0 * rms(l, 4800 + 24000, 4800 + 52800));
}

TEST_F(EngineMidi, AllNotesOffControllersSilenceEverything)
{
    for (int cc = 123; cc <= 127; ++cc) {
        send({midi(0xB0, 64, 127), midi(0x90, 48, 127), midi(0x90, 60, 127), midi(0x90, 72, 127)});
        render(4800);
        ASSERT_GT(rms(left, left.size() - 2400, left.size()), 1e-4);
        send({midi(0xB3, cc, 0)});
        const size_t from = left.size();
        render(4800);
        // Only the output filters' last few samples may follow the cut.
        EXPECT_LT(rms(left, from + 256, left.size()), 1e-6) << cc;
        EXPECT_LT(rms(right, from + 256, right.size()), 1e-6) << cc;
    }
}

TEST_F(EngineMidi, VolumeAndModeControllersDoNothing)
{
    Engine other(host);
    applyProgram(other, defaultProgram());
    std::vector<float> l2, r2;
    const MidiMessage on = midi(0x90, 64, 90);
    engine.processMidi(&on, 1);
    other.processMidi(&on, 1);
    render(2400);
    renderInto(other, l2, r2, 2400);
    send({midi(0xB0, 7, 0), midi(0xB0, 120, 0), midi(0xB0, 121, 0), midi(0xB0, 122, 0)});
    other.processMidi(nullptr, 0);
    render(9600);
    renderInto(other, l2, r2, 9600);
    EXPECT_EQ(left, l2);
    EXPECT_EQ(right, r2);
}

TEST_F(EngineMidi, BlocksWithoutABatchHoldBendSaturationAndWheel)
{
    // A host that sends an (empty) batch before every block and one that sends
    // batches only with events must sound the same: the ramps run once.
    Engine everyBlock(host);
    applyProgram(everyBlock, defaultProgram());
    const MidiMessage start[] = {midi(0x90, 69, 100), midi(0xE0, 127, 127), midi(0xB0, 1, 100)};
    engine.processMidi(start, 3);
    everyBlock.processMidi(start, 3);
    engine.setParameter(12, 0.8f);
    everyBlock.setParameter(12, 0.8f);
    std::vector<float> l2(512), r2(512);
    for (int block = 0; block < 40; ++block) {
        render(512);
        if (block > 0) everyBlock.processMidi(nullptr, 0);
        everyBlock.process(l2.data(), r2.data(), 512);
        ASSERT_EQ(0, std::memcmp(left.data() + block * 512, l2.data(), sizeof(float) * 512)) << block;
    }
}

TEST_F(EngineMidi, ChannelIsIgnored)
{
    Engine other(host);
    applyProgram(other, defaultProgram());
    send({midi(0x90, 64, 90)});
    const MidiMessage on = midi(0x9F, 64, 90);
    other.processMidi(&on, 1);
    std::vector<float> l2, r2;
    render(4800);
    renderInto(other, l2, r2, 4800);
    EXPECT_EQ(left, l2);
}

TEST_F(EngineMidi, BatchesFlashTheMidiLight)
{
    send({midi(0x90, 64, 90)});
    engine.processMidi(nullptr, 0);
    EXPECT_EQ(host.flashes, 1);
}

} // namespace
