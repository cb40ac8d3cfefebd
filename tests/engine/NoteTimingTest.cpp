// When notes, the pedal and the batch's controllers take effect, heard through
// the module: a note released within the block it was struck in still sounds,
// velocity-0 note-ons release, and a large batch keeps its ramps.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/engine/Signal.h"
#include "tests/support/TestHost.h"

namespace {

// The first sample where two renders part, or -1.
int firstDifference(const std::vector<float>& a, const std::vector<float>& b)
{
    const auto d = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    return d.first == a.end() ? -1 : static_cast<int>(d.first - a.begin());
}

// One instance: `play` queues MIDI for the first block; then `frames` rendered.
template <typename Play>
StereoBuffer played(Play play, size_t frames = 24000)
{
    TestHost host;
    EXPECT_TRUE(host.ok()) << host.error();
    play(host);
    return host.render(frames);
}

TEST(NoteTiming, ANoteReleasedInTheBlockItWasStruckInSoundsAndReleasesOnTime)
{
    const StereoBuffer shortNote = played([](TestHost& h) { h.noteOn(60, 100, 0), h.noteOff(60, 64); });
    const StereoBuffer held = played([](TestHost& h) { h.noteOn(60, 100, 0); });
    EXPECT_GT(shortNote.peak(), 0.01f) << "a 64-sample note sounds";
    // The release begins at sample 64 (heard from that sample on, or the next).
    const int parted = firstDifference(shortNote.left, held.left);
    EXPECT_TRUE(parted == 64 || parted == 65) << parted;
    EXPECT_LT(rms(shortNote.left, 12000, 24000), 0.5 * rms(held.left, 12000, 24000)) << "released";

    // Struck and released on the same sample: the strike still begins.
    EXPECT_GT(played([](TestHost& h) { h.noteOn(60, 100, 100), h.noteOff(60, 100); }).peak(), 1e-4f);
    // Released before a later strike of the same key in the same block: only
    // the later strike sounds, and it is held.
    const StereoBuffer again =
        played([](TestHost& h) { h.noteOn(60, 100, 0), h.noteOff(60, 50), h.noteOn(60, 100, 300); });
    EXPECT_GT(again.peak(), 0.01f);
}

TEST(NoteTiming, ThePedalActsAtItsOwnSample)
{
    // A key released under the pedal rings on; lifting the pedal at sample 300
    // releases it from there.
    auto pedalUpAt = [](int offset) {
        TestHost host;
        host.controller(64, 127);
        host.noteOn(60, 100);
        host.render(512);
        host.noteOff(60);
        host.render(512);
        if (offset >= 0)
            host.controller(64, 0, offset);
        return host.render(12000);
    };
    const StereoBuffer lifted = pedalUpAt(300), kept = pedalUpAt(-1);
    const int parted = firstDifference(lifted.left, kept.left);
    EXPECT_TRUE(parted == 300 || parted == 301) << parted;
}

TEST(NoteTiming, VelocityZeroNoteOnIsANoteOff)
{
    auto play = [](int status, int velocity) {
        TestHost host;
        host.noteOn(64, 100);
        host.render(4800);
        host.module().sendMidi({[&] {
            VstMidiEvent e{};
            e.type = kVstMidiType;
            e.byteSize = sizeof e;
            e.deltaFrames = 100;
            e.midiData[0] = static_cast<char>(status);
            e.midiData[1] = 64;
            e.midiData[2] = static_cast<char>(velocity);
            return e;
        }()});
        return host.render(24000);
    };
    const StereoBuffer offByVelocityZero = play(0x90, 0), off = play(0x80, 0), held = play(0xB0, 7);
    EXPECT_EQ(offByVelocityZero.left, off.left);
    EXPECT_EQ(offByVelocityZero.right, off.right);
    EXPECT_NE(off.left, held.left);
}

TEST(NoteTiming, ABendAmongManyEventsRampsAsTheBendAlone)
{
    // Hosts send large batches; the bend ramp must not restart every 64 events.
    auto play = [](int extraEvents) {
        TestHost host;
        host.noteOn(57, 110);
        host.render(2048);
        host.pitchBend(16383);
        for (int i = 0; i < extraEvents; ++i)
            host.controller(7, i & 127, i % 512); // ignored by the instrument
        host.render(512);
        return host.render(4096);
    };
    const StereoBuffer alone = play(0), crowded = play(64), crowded2 = play(300);
    EXPECT_EQ(alone.left, crowded.left);
    EXPECT_EQ(alone.left, crowded2.left);
}

} // namespace
