// What hosts do through the AEffect record that a quiet test would not:
// block sizes changing on every call, processing outside resume/suspend,
// suspend and resume during a held note, rate changes between blocks, chunks
// read while another thread renders, many instances in one process, two
// instances rendering at once on two threads, and effClose with the editor
// still open.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <memory>
#include <thread>

#include "tests/engine/PitchMeter.h"
#include "tests/engine/Signal.h"
#include "tests/support/TestHost.h"

namespace {

struct Note
{
    int64_t at; // absolute sample position
    uint8_t status, key, velocity;
};

// A short phrase: a chord, a melody over it, the wheel and the pedal.
std::vector<Note> phrase(int64_t length)
{
    std::vector<Note> notes;
    for (uint8_t key : {48, 55, 64})
        notes.push_back({0, 0x90, key, 100});
    for (int i = 0; i < 8; ++i)
    {
        const int64_t t = length * i / 10;
        notes.push_back({t + 7, 0x90, static_cast<uint8_t>(67 + 2 * i), 90});
        notes.push_back({t + length / 12, 0x80, static_cast<uint8_t>(67 + 2 * i), 0});
    }
    notes.push_back({length / 3, 0xB0, 1, 80});
    notes.push_back({length / 2, 0xB0, 64, 127});
    notes.push_back({length * 3 / 4, 0xB0, 64, 0});
    std::sort(notes.begin(), notes.end(), [](const Note& a, const Note& b) { return a.at < b.at; });
    return notes;
}

// Plays notes over frames samples in blocks whose sizes come from nextBlock;
// every event goes with the block that holds its position.
template <class NextBlock>
StereoBuffer play(HostModule& host, const std::vector<Note>& notes, int64_t frames, NextBlock nextBlock)
{
    StereoBuffer out{std::vector<float>(static_cast<size_t>(frames)), std::vector<float>(static_cast<size_t>(frames))};
    size_t next = 0;
    for (int64_t at = 0; at < frames;)
    {
        const int32_t n = static_cast<int32_t>(std::min<int64_t>(nextBlock(), frames - at));
        std::vector<VstMidiEvent> batch;
        for (; next < notes.size() && notes[next].at < at + n; ++next)
        {
            VstMidiEvent e{
                kVstMidiType, sizeof(VstMidiEvent), static_cast<int32_t>(notes[next].at - at), 0, 0, 0, {}, 0, 0, 0, 0};
            e.midiData[0] = static_cast<char>(notes[next].status);
            e.midiData[1] = static_cast<char>(notes[next].key);
            e.midiData[2] = static_cast<char>(notes[next].velocity);
            batch.push_back(e);
        }
        if (!batch.empty())
            host.sendMidi(batch);
        host.processReplacing(out.left.data() + at, out.right.data() + at, n);
        at += n;
    }
    return out;
}

double rmsDb(const StereoBuffer& b, int from, int to) { return 20.0 * std::log10(rms(b.left, from, to) + 1e-12); }

// Block sizes from 1 to 8,192, a different one on every call: the sound
// stays the same sound (level within a fraction of a dB, bounded, finite).
TEST(HostHabits, BlockSizesChangingOnEveryCall)
{
    constexpr int64_t kFrames = 96000;
    const std::vector<Note> notes = phrase(kFrames);
    TestHost steady, changing;
    ASSERT_TRUE(steady.ok() && changing.ok()) << steady.error();
    StereoBuffer reference = play(steady.module(), notes, kFrames, [] { return 512; });
    uint32_t seed = 12345;
    int calls = 0;
    StereoBuffer varied = play(changing.module(), notes, kFrames, [&] {
        ++calls;
        seed = seed * 1103515245u + 12345u;
        switch (calls % 5)
        {
        case 0: return 1;
        case 1: return 8192;
        default: return 1 + static_cast<int>((seed >> 8) % 700u);
        }
    });
    EXPECT_GT(calls, 50);
    EXPECT_TRUE(varied.allFinite());
    EXPECT_LE(varied.peak(), 1.f);
    for (int from = 0; from + 12000 <= kFrames; from += 12000)
        EXPECT_NEAR(rmsDb(varied, from, from + 12000), rmsDb(reference, from, from + 12000), 0.5) << from;
}

// Hosts render before the first resume and after a suspend: the instrument
// plays all the same. A suspend and resume in the middle of a held note
// leaves no stuck note: its release still ends it.
TEST(HostHabits, ProcessingOutsideResumeAndSuspendDuringAHeldNote)
{
    HostModule host;
    ASSERT_TRUE(host.load(TestHost::modulePath())) << host.error();
    ASSERT_NE(host.open(), nullptr);
    host.setSampleRate(48000.f);
    const std::vector<Note> chord = {{0, 0x90, 60, 100}, {0, 0x90, 64, 100}};
    StereoBuffer before = play(host, chord, 9600, [] { return 256; });
    EXPECT_TRUE(before.allFinite());
    EXPECT_GT(before.peak(), 1e-3f) << "plays before effMainsChanged";
    EXPECT_LE(before.peak(), 1.f);

    host.resume();
    host.suspend();
    StereoBuffer suspended = play(host, {}, 9600, [] { return 333; });
    EXPECT_TRUE(suspended.allFinite());
    EXPECT_LE(suspended.peak(), 1.f);
    host.resume();
    StereoBuffer resumed = play(host, {{0, 0x80, 60, 0}, {0, 0x80, 64, 0}}, 96000, [] { return 500; });
    EXPECT_TRUE(resumed.allFinite());
    EXPECT_LE(resumed.peak(), 1.f);
    EXPECT_LT(rms(resumed.left, 72000, 96000), 1e-3 * rms(before.left, 0, 9600) + 1e-6) << "the released note ends";
    host.close();
}

// A rate change between blocks: every sample stays bounded, and a note played
// after it has its pitch at the new rate.
TEST(HostHabits, SampleRateChangedBetweenBlocks)
{
    TestHost host;
    ASSERT_TRUE(host.ok());
    host.setParameter(ParamId::SbVolume, 0.f); // spring A alone, for a clean pitch
    for (float rate : {44100.f, 96000.f, 22050.f, 48000.f, 192000.f, 32000.f})
    {
        host.noteOn(69, 100);
        StereoBuffer held = host.render(700);
        host.setSampleRate(rate);
        host.noteOn(69, 100, 5);
        StereoBuffer after = host.render(static_cast<size_t>(rate / 4));
        EXPECT_TRUE(held.allFinite() && after.allFinite()) << rate;
        EXPECT_LE(std::max(held.peak(), after.peak()), 1.f) << rate;
        const int length = static_cast<int>(rate / 8);
        EXPECT_NEAR(measurePitch(after.left, rate, 440.0, static_cast<int>(rate / 16), length), 440.0, 2.0) << rate;
        host.noteOff(69);
        host.render(64);
    }
}

// effGetChunk from the host's user-interface thread while its audio thread
// renders: the same bytes every time, and the audio goes on.
TEST(HostHabits, ChunksReadWhileRendering)
{
    TestHost host;
    ASSERT_TRUE(host.ok());
    host.setProgram(3);
    host.setParameter(ParamId::Decay, 0.42f);
    const std::vector<unsigned char> bank = host.module().getChunk(false), program = host.module().getChunk(true);
    std::atomic<bool> stop{false}, finite{true};
    std::atomic<long> blocks{0};
    std::thread audio([&] {
        std::vector<float> l(300), r(300);
        float* outputs[2] = {l.data(), r.data()};
        AEffect* fx = host.effect();
        for (int i = 0; !stop.load(); ++i)
        {
            fx->processReplacing(fx, nullptr, outputs, 1 + i % 300);
            finite = finite && std::all_of(l.begin(), l.end(), [](float s) { return std::isfinite(s); });
            blocks.fetch_add(1);
        }
    });
    int reads = 0;
    while (reads < 2000 || blocks.load() < 100)
    {
        ASSERT_EQ(host.module().getChunk(reads % 2 == 0), reads % 2 == 0 ? program : bank);
        ++reads;
    }
    stop = true;
    audio.join();
    EXPECT_TRUE(finite.load());
}

// 64 instances in one process, each its own: its own program, its own sound.
TEST(HostHabits, SixtyFourInstancesInOneProcess)
{
    std::vector<std::unique_ptr<TestHost>> hosts;
    for (int i = 0; i < 64; ++i)
    {
        hosts.push_back(std::make_unique<TestHost>());
        ASSERT_TRUE(hosts.back()->ok()) << i;
        hosts.back()->setProgram(i);
        hosts.back()->setParameter(ParamId::Volume, 0.2f + i / 160.f);
        hosts.back()->noteOn(36 + i, 100);
    }
    std::vector<float> peaks;
    for (int i = 0; i < 64; ++i)
    {
        StereoBuffer out = hosts[i]->render(2400);
        EXPECT_TRUE(out.allFinite()) << i;
        EXPECT_LE(out.peak(), 1.f) << i;
        EXPECT_GT(out.peak(), 1e-4f) << i;
        EXPECT_EQ(hosts[i]->module().getProgram(), i);
        EXPECT_FLOAT_EQ(hosts[i]->getParameter(ParamId::Volume), 0.2f + i / 160.f);
    }
    hosts.clear(); // every effClose
}

// Two instances rendering at the same time on two threads produce exactly
// what each produces alone: nothing mutable is shared between instances.
TEST(HostHabits, TwoInstancesOnTwoThreadsSoundAsEachAlone)
{
    constexpr int64_t kFrames = 48000;
    auto setUp = [](TestHost& h, int which) {
        h.setParameter(ParamId::SbDiffusion, which ? 1.f : 0.3f); // noise in one of them
        h.setParameter(ParamId::SandGrains, 0.6f);
        h.setParameter(ParamId::SaRndTune, 0.5f);
        h.setParameter(ParamId::EchoWet, 0.4f);
        h.setParameter(ParamId::LfoRate, 0.7f);
    };
    const std::vector<Note> notes[2] = {phrase(kFrames), {{0, 0x90, 40, 127}, {9000, 0x90, 80, 60}}};
    StereoBuffer alone[2], together[2];
    for (int which = 0; which < 2; ++which)
    {
        TestHost h;
        ASSERT_TRUE(h.ok());
        setUp(h, which);
        alone[which] = play(h.module(), notes[which], kFrames, [] { return 256; });
    }
    TestHost a, b;
    ASSERT_TRUE(a.ok() && b.ok());
    setUp(a, 0);
    setUp(b, 1);
    std::thread first([&] { together[0] = play(a.module(), notes[0], kFrames, [] { return 256; }); });
    std::thread second([&] { together[1] = play(b.module(), notes[1], kFrames, [] { return 256; }); });
    first.join();
    second.join();
    for (int which = 0; which < 2; ++which)
    {
        EXPECT_GT(alone[which].peak(), 1e-3f);
        EXPECT_TRUE(together[which].left == alone[which].left && together[which].right == alone[which].right)
            << "instance " << which;
    }
}

// effClose while the editor is open (hosts that tear down a project at once):
// the editor goes with the instrument, nothing is left behind (the leak
// checker's build watches), and a new instance opens its editor again.
TEST(HostHabits, CloseWithTheEditorOpen)
{
    for (int round = 0; round < 3; ++round)
    {
        TestHost host;
        ASSERT_TRUE(host.ok());
        ASSERT_EQ(host.dispatch(effEditOpen, 0, 0, nullptr), 1);
        host.dispatch(effEditIdle);
        host.noteOn(60, 100);
        host.render(512);
        host.module().close(); // effClose, the editor still open
        EXPECT_EQ(host.effect(), nullptr);
    }
}

} // namespace
