// The host's threads all at once, through the built module: one renders
// blocks of changing size with notes, one automates every parameter, one
// switches programs, sets chunks and changes the sample rate, and one opens,
// idles and closes the editor (headless). ThreadSanitizer watches every
// access in its build; in every build no sample leaves ±1, nothing stops,
// and the values automated last read back afterwards.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <thread>

#include "tests/module/RecordBytes.h"
#include "tests/support/TestHost.h"

namespace {

// A small generator of our own per thread (rand() is shared state).
struct Lcg
{
    uint32_t s;
    uint32_t next()
    {
        s = s * 1664525u + 1013904223u;
        return s >> 8;
    }
    float unit() { return static_cast<float>(next() % 10001u) / 10000.f; }
    int below(int n) { return static_cast<int>(next() % static_cast<uint32_t>(n)); }
};

// The echo and the high-pass work after the final clip and can lift the
// output past ±1 (the headroom the engine tests bound); they are
// automated too, but held at 0, so that the bound below holds for the rest.
float automatedValue(int index, Lcg& r)
{
    if (index == paramIndex(ParamId::EchoWet) || index == paramIndex(ParamId::FltHighpass))
        return 0.f;
    return r.unit();
}

TEST(ThreadStress, RenderAutomateSwitchAndEditAtOnce)
{
    TestHost host;
    ASSERT_TRUE(host.ok()) << host.error();
    AEffect* fx = host.effect();
    HostModule& m = host.module();

    // Two banks to switch between: the default, and one of varied programs.
    const std::vector<unsigned char> plainBank = m.getChunk(false);
    std::vector<unsigned char> variedBank = plainBank;
    Lcg setup{7};
    for (int p = 0; p < 64; ++p)
        for (int i = 0; i < kParamCount; ++i)
            putValue(variedBank.data() + p * 1500, i, automatedValue(i, setup));
    const std::vector<unsigned char> programChunk(variedBank.begin() + 1500 * 5, variedBank.begin() + 1500 * 6);

    std::atomic<bool> stop{false}, stopAudio{false}, lastWord{false}, bounded{true};
    std::atomic<long> blocks{0}, frames{0}, automated{0}, switches{0}, chunks{0}, rates{0}, editorCycles{0};
    std::atomic<float> worst{0.f};

    std::thread audio([&] {
        Lcg r{1};
        std::vector<float> left(4096), right(4096);
        float* outputs[2] = {left.data(), right.data()};
        while (!stopAudio.load())
        {
            const int32_t n = 1 + r.below(r.below(4) == 0 ? 4096 : 256);
            if (r.below(8) == 0)
            {
                VstMidiEvent e{kVstMidiType, sizeof(VstMidiEvent), r.below(n), 0, 0, 0, {}, 0, 0, 0, 0};
                e.midiData[0] = static_cast<char>(r.below(3) ? 0x90 : 0x80);
                e.midiData[1] = static_cast<char>(24 + r.below(80));
                e.midiData[2] = static_cast<char>(1 + r.below(127));
                VstEvents list{1, 0, {reinterpret_cast<VstEvent*>(&e), nullptr}};
                fx->dispatcher(fx, effProcessEvents, 0, 0, &list, 0.f);
            }
            fx->processReplacing(fx, nullptr, outputs, n);
            for (int32_t j = 0; j < n; ++j)
            {
                const float peak = std::fmax(std::fabs(left[j]), std::fabs(right[j]));
                if (!(peak <= 1.f))
                {
                    bounded = false;
                    worst = std::isnan(peak) ? NAN : std::fmax(worst.load(), peak);
                }
            }
            blocks.fetch_add(1);
            frames.fetch_add(n);
        }
    });

    std::vector<float> lastWritten(kParamCount, 0.f);
    std::thread automation([&] {
        Lcg r{2};
        while (!stop.load())
            for (int i = 0; i < kParamCount; ++i)
            {
                fx->setParameter(fx, i, automatedValue(i, r));
                (void)fx->getParameter(fx, r.below(kParamCount));
                automated.fetch_add(1);
            }
        // The last word, once programs and chunks have stopped changing (the
        // audio goes on): every parameter once more, to be read back below.
        while (!lastWord.load())
            std::this_thread::yield();
        for (int i = 0; i < kParamCount; ++i)
        {
            lastWritten[i] = automatedValue(i, r);
            fx->setParameter(fx, i, lastWritten[i]);
        }
    });

    std::thread programs([&] {
        Lcg r{3};
        const float sampleRates[] = {44100.f, 48000.f, 96000.f, 22050.f};
        std::vector<unsigned char> bank;
        while (!stop.load())
        {
            switch (r.below(10))
            {
            case 0:
                m.setChunk(r.below(2) ? variedBank : plainBank, false);
                chunks.fetch_add(1);
                break;
            case 1:
                m.setChunk(programChunk, true);
                chunks.fetch_add(1);
                break;
            case 2:
                bank = m.getChunk(r.below(2) == 0);
                chunks.fetch_add(1);
                break;
            case 3:
                if (r.below(4) == 0)
                {
                    m.setSampleRate(sampleRates[r.below(4)]);
                    rates.fetch_add(1);
                }
                break;
            case 4: {
                char name[64] = "Stress ";
                name[7] = static_cast<char>('A' + r.below(26));
                m.dispatch(effSetProgramName, 0, 0, name);
                (void)m.programNameIndexed(r.below(64));
                break;
            }
            default:
                m.setProgram(r.below(64));
                switches.fetch_add(1);
                break;
            }
        }
    });

    std::thread editor([&] {
        Lcg r{4};
        while (!stop.load())
        {
            if (fx->dispatcher(fx, effEditOpen, 0, 0, nullptr, 0.f) != 1)
                continue;
            for (int i = 1 + r.below(8); i > 0 && !stop.load(); --i)
            {
                fx->dispatcher(fx, effEditIdle, 0, 0, nullptr, 0.f);
                char text[256];
                fx->dispatcher(fx, effGetParamDisplay, r.below(kParamCount), 0, text, 0.f);
            }
            fx->dispatcher(fx, effEditClose, 0, 0, nullptr, 0.f);
            editorCycles.fetch_add(1);
        }
    });

    // A few seconds, and enough of everything to have met often.
    const auto start = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - start < std::chrono::seconds(3) ||
           (std::chrono::steady_clock::now() - start < std::chrono::seconds(20) &&
            (blocks.load() < 200 || editorCycles.load() < 5 || rates.load() < 3)))
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    stop = true;
    programs.join();
    editor.join();
    lastWord = true;
    automation.join();
    stopAudio = true;
    audio.join();
    std::printf("%ld blocks (%ld frames), %ld parameter writes, %ld program switches, %ld chunks, %ld rate changes, "
                "%ld editor cycles\n",
                blocks.load(), frames.load(), automated.load(), switches.load(), chunks.load(), rates.load(),
                editorCycles.load());

    EXPECT_TRUE(bounded.load()) << "a sample reached " << worst.load();
    EXPECT_GT(blocks.load(), 100);
    EXPECT_GT(automated.load(), 1000);
    EXPECT_GT(switches.load(), 10);
    EXPECT_GT(editorCycles.load(), 2);

    // The values automated last read back, in the record the host saves too.
    const std::vector<unsigned char> program = m.getChunk(true);
    for (int i = 0; i < kParamCount; ++i)
    {
        EXPECT_EQ(host.getParameter(i), lastWritten[i]) << i;
        EXPECT_EQ(valueIn(program.data(), i), lastWritten[i]) << i;
    }
    // And the instrument plays them.
    host.noteOn(60, 100);
    StereoBuffer out = host.render(4800);
    EXPECT_TRUE(out.allFinite());
    EXPECT_LE(out.peak(), 1.f);
}

} // namespace
