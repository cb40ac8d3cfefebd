// Replacing state on the user-interface thread never makes the audio thread
// wait: a block rendered meanwhile is silence, and MIDI sent meanwhile is kept.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "tests/engine/Signal.h"
#include "tests/module/InProcess.h"
#include "tests/support/TestHost.h"

namespace {

// Same thread: the render call would deadlock if it waited for the guard.
// Replacements nest (a rate change re-applies the program): the block stays
// silent until the outer one ends.
TEST(RenderGuard, BlockDuringAReplacementIsSilenceAndMidiSentMeanwhileSoundsNext)
{
    InProcessInstrument inst;
    ASSERT_NE(inst.plugin, nullptr);
    VstMidiEvent on{kVstMidiType, sizeof(VstMidiEvent), 0, 0, 0, 0, {char(0x90), 69, 100, 0}, 0, 0, 0, 0};
    StereoBuffer busy{std::vector<float>(256, 7.f), std::vector<float>(256, 7.f)};
    {
        RenderGuard::ReplaceScope outer(inst.plugin->renderGuard());
        {
            RenderGuard::ReplaceScope inner(inst.plugin->renderGuard());
        }
        EXPECT_EQ(inst.host.sendMidi({on}), 1);
        inst.host.processReplacing(busy.left.data(), busy.right.data(), 256);
    }
    EXPECT_TRUE(busy.allZero());
    StereoBuffer out{std::vector<float>(4800), std::vector<float>(4800)};
    inst.host.processReplacing(out.left.data(), out.right.data(), 4800);
    EXPECT_TRUE(out.allFinite());
    EXPECT_GT(out.peak(), 1e-3f) << "the note held back during the replacement sounds in the next block";
}

// However much MIDI arrives while the engine is held, no release is lost: a
// key released (or all notes switched off) past the kept messages still ends.
TEST(RenderGuard, ReleasesBeyondTheKeptMessagesAreNeverDropped)
{
    auto midi = [](int status, int d1, int d2) {
        return VstMidiEvent{
            kVstMidiType, sizeof(VstMidiEvent), 0, 0, 0, 0, {char(status), char(d1), char(d2), 0}, 0, 0, 0, 0};
    };
    auto tail = [&midi](bool releaseByAllNotesOff, bool flood) {
        InProcessInstrument inst;
        inst.plugin->setParameter(ParamId::Release, 0.0f); // released keys stop quickly
        StereoBuffer out{std::vector<float>(24000), std::vector<float>(24000)};
        inst.host.sendMidi({midi(0x90, 69, 110)});
        inst.host.processReplacing(out.left.data(), out.right.data(), 512);
        {
            RenderGuard::ReplaceScope replacing(inst.plugin->renderGuard());
            std::vector<VstMidiEvent> batch;
            for (int i = 0; flood && i < 300; ++i)
                batch.push_back(midi(0xB0, 1, i & 127)); // wheel moves, more than are kept
            batch.push_back(releaseByAllNotesOff ? midi(0xB0, 123, 0) : midi(0x90, 69, 0));
            inst.host.sendMidi(batch);
        }
        inst.host.processReplacing(out.left.data(), out.right.data(), 24000);
        return rms(out.left, 12000, 24000);
    };
    InProcessInstrument held;
    held.host.sendMidi({midi(0x90, 69, 110)});
    StereoBuffer ringing{std::vector<float>(24512), std::vector<float>(24512)};
    held.host.processReplacing(ringing.left.data(), ringing.right.data(), 24512);
    const double stillHeld = rms(ringing.left, 12512, 24512);
    for (bool allNotesOff : {false, true})
    {
        EXPECT_LT(tail(allNotesOff, true), 0.01 * stillHeld) << "flooded, all notes off: " << allNotesOff;
        EXPECT_LT(tail(allNotesOff, false), 0.01 * stillHeld) << "all notes off: " << allNotesOff;
    }
}

TEST(RenderGuard, ProgramChangesWhileAnotherThreadRenders)
{
    TestHost host;
    ASSERT_TRUE(host.ok());
    std::atomic<bool> stop{false}, finite{true};
    std::atomic<int> blocks{0};
    std::thread audio([&] {
        StereoBuffer out{std::vector<float>(128), std::vector<float>(128)};
        while (!stop.load())
        {
            host.module().processReplacing(out.left.data(), out.right.data(), 128);
            if (!out.allFinite())
                finite = false;
            blocks.fetch_add(1);
        }
    });
    std::vector<unsigned char> bank = host.module().getChunk(false);
    for (int i = 0; i < 200; ++i)
    {
        host.setProgram(i % 64);
        if (i % 50 == 0)
            host.module().setChunk(bank, false);
        if (i % 100 == 0)
            host.setSampleRate(i % 200 ? 44100.f : 48000.f);
    }
    // The audio thread kept going throughout.
    int before = blocks.load();
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (blocks.load() < before + 10 && std::chrono::steady_clock::now() < until)
        std::this_thread::yield();
    stop = true;
    audio.join();
    EXPECT_GE(blocks.load(), before + 10);
    EXPECT_TRUE(finite.load());
}

TEST(Events, OddBatchesAreHandled)
{
    VstMidiEvent on{kVstMidiType, sizeof(VstMidiEvent), 0, 0, 0, 0, {char(0x90), 60, 64, 0}, 0, 0, 0, 0};
    TestHost host;
    ASSERT_TRUE(host.ok());
    EXPECT_EQ(host.dispatch(effProcessEvents, 0, 0, nullptr), 1);
    VstEvents negative{-5, 0, {}};
    EXPECT_EQ(host.dispatch(effProcessEvents, 0, 0, &negative), 1);

    // A large batch with non-MIDI events and a null entry mixed in.
    std::vector<VstMidiEvent> events(300, on);
    for (size_t i = 0; i < events.size(); ++i)
    {
        events[i].type = (i % 7 == 3) ? kVstSysExType : kVstMidiType;
        events[i].deltaFrames = static_cast<int32_t>(i % 512);
        events[i].midiData[0] = static_cast<char>(i % 2 ? 0x80 : 0x90);
        events[i].midiData[1] = static_cast<char>(21 + i % 88);
    }
    std::vector<unsigned char> storage(sizeof(VstEvents) + sizeof(VstEvent*) * (events.size() + 1));
    auto* list = reinterpret_cast<VstEvents*>(storage.data());
    list->numEvents = static_cast<int32_t>(events.size() + 1);
    VstEvent** slots = list->events; // the list really holds numEvents pointers
    for (size_t i = 0; i < events.size(); ++i)
        slots[i] = reinterpret_cast<VstEvent*>(&events[i]);
    slots[events.size()] = nullptr;
    EXPECT_EQ(host.dispatch(effProcessEvents, 0, 0, list), 1);
    StereoBuffer out = host.render(1024);
    EXPECT_TRUE(out.allFinite());

    // Zero frames and missing outputs are tolerated.
    host.module().processReplacing(out.left.data(), out.right.data(), 0);
    host.effect()->processReplacing(host.effect(), nullptr, nullptr, 64);
}

} // namespace
