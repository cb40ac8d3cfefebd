// What careless hosts and callers may send: parameter values outside 0..1,
// NaN or infinite; events outside the block; keys outside the bank; no tempo.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "tests/engine/EngineFixture.h"
#include "tests/engine/PitchMeter.h"

namespace {

void expectPlayableOutput(const std::vector<float>& x, const char* what)
{
    for (size_t i = 0; i < x.size(); ++i) {
        ASSERT_TRUE(std::isfinite(x[i])) << what << " sample " << i;
        ASSERT_LE(std::fabs(x[i]), 1.0f) << what << " sample " << i;
    }
}

void playPhrase(Engine& e, std::vector<float>& l, std::vector<float>& r)
{
    const MidiMessage chord[] = {midi(0x90, 21, 127), midi(0x90, 60, 90, 7), midi(0x90, 108, 64, 30),
                                 midi(0xB0, 1, 100), midi(0xE0, 127, 127)};
    e.processMidi(chord, 5);
    renderInto(e, l, r, 1024, 256);
    const MidiMessage release[] = {midi(0x80, 60, 0), midi(0xB0, 1, 0), midi(0xE0, 0, 0)};
    e.processMidi(release, 3);
    renderInto(e, l, r, 1024, 256);
}

TEST(EngineBadInput, WildParameterValuesKeepTheOutputFiniteAndBounded)
{
    const float wild[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                          -std::numeric_limits<float>::infinity(), -3.0f, 5.0f, 1e30f};
    FakeEngineHost host;
    Engine e(host);
    const std::vector<float> program = defaultProgram();
    const MidiMessage allOff = midi(0xB0, 123, 0);
    for (int index = 0; index < 111; ++index) {
        for (float v : wild) {
            applyProgram(e, program);
            e.processMidi(&allOff, 1);
            e.resetEngine();
            e.setParameter(index, v);
            std::vector<float> l, r;
            playPhrase(e, l, r);
            expectPlayableOutput(l, "left");
            expectPlayableOutput(r, "right");
            if (HasFatalFailure()) {
                ADD_FAILURE() << "parameter " << index << " value " << v;
                return;
            }
        }
    }
}

TEST(EngineBadInput, IndicesOutsideTheTableAreIgnored)
{
    FakeEngineHost host;
    Engine e(host);
    applyProgram(e, defaultProgram());
    e.setParameter(-1, 0.5f);
    e.setParameter(111, 0.5f);
    e.setParameter(1 << 30, 0.5f);
    e.noteOn(-5, 100, 0);
    e.noteOn(128, 100, 0);
    e.noteOn(1 << 20, 100, 0);
    e.noteOff(-1);
    e.noteOff(500);
    std::vector<float> l, r;
    renderInto(e, l, r, 1024);
    EXPECT_TRUE(std::all_of(l.begin(), l.end(), [](float x) { return x == 0.0f; }));
}

TEST(EngineBadInput, EventsOutsideTheBlockStartWithinIt)
{
    FakeEngineHost host;
    Engine late(host), early(host);
    applyProgram(late, defaultProgram());
    applyProgram(early, defaultProgram());
    const MidiMessage lateOn = midi(0x90, 60, 100, 1 << 30);
    const MidiMessage earlyOn = midi(0x90, 60, 100, -7);
    late.processMidi(&lateOn, 1);
    early.processMidi(&earlyOn, 1);
    std::vector<float> l, r, l2, r2;
    renderInto(late, l, r, 256, 256);
    renderInto(early, l2, r2, 256, 256);
    // The late note is pulled onto the last sample, the early one onto the first.
    EXPECT_TRUE(std::all_of(l.begin(), l.end() - 1, [](float x) { return x == 0.0f; }));
    EXPECT_EQ(l2[0], 0.0f);
    EXPECT_NE(l2[1], 0.0f);
    renderInto(late, l, r, 256, 256);
    EXPECT_NE(l[256], 0.0f);
}

TEST(EngineBadInput, EmptyBatchesOnlySnapshot)
{
    FakeEngineHost host;
    Engine e(host);
    applyProgram(e, defaultProgram());
    e.processMidi(nullptr, 5);
    MidiMessage m = midi(0x90, 60, 100);
    e.processMidi(&m, 0);
    e.processMidi(&m, -3);
    std::vector<float> l, r;
    renderInto(e, l, r, 512);
    EXPECT_TRUE(std::all_of(l.begin(), l.end(), [](float x) { return x == 0.0f; }));
    EXPECT_EQ(host.flashes, 0);
}

TEST(EngineBadInput, PitchRangeZeroLeavesThePitchAlone)
{
    FakeEngineHost host;
    Engine e(host);
    std::vector<float> program = defaultProgram();
    program[44] = 0.0f;                                 // no bend range
    for (int i = 63; i <= 86; ++i) program[static_cast<size_t>(i)] = 0.5f; // bend scales at range 0
    program[6] = 0.0f;                                  // main oscillator only
    applyProgram(e, program);
    const MidiMessage m[] = {midi(0xE0, 127, 127), midi(0x90, 69, 100)};
    e.processMidi(m, 2);
    std::vector<float> l, r;
    renderInto(e, l, r, 48000);
    expectPlayableOutput(l, "left");
    EXPECT_NEAR(centsBetween(measurePitch(l, 48000.0, 440.0, 4800, 43000), 440.0), 0.0, 1.0);
}

TEST(EngineBadInput, TopKeysStayStableAtLowSampleRates)
{
    // At 11025 Hz the top keys lie beyond what a spring can ring at; their body
    // strings are kicked by every note and must not blow up.
    for (int key : {60, 96, 108}) {
        FakeEngineHost host;
        Engine e(host);
        e.setSampleRate(11025.0f);
        std::vector<float> program = defaultProgram();
        program[44] = 1.0f; // twelve-semitone bend range
        applyProgram(e, program);
        const MidiMessage m[] = {midi(0x90, key, 127), midi(0xE0, 127, 127)};
        e.processMidi(m, 2);
        std::vector<float> l, r;
        renderInto(e, l, r, 11025);
        float peak = 0.0f, late = 0.0f;
        for (size_t i = 0; i < l.size(); ++i) {
            peak = std::fmax(peak, std::fabs(l[i]));
            if (i > l.size() / 2) late = std::fmax(late, std::fabs(l[i]));
        }
        EXPECT_LT(peak, 0.5f) << "key " << key;
        EXPECT_GT(late, 0.0f) << "key " << key << " fell silent";
    }
}

TEST(EngineBadInput, WideBendOnHighSpringsKeepsRinging)
{
    // Twelve-semitone range, partial three octaves up, spring B high: a full
    // bend must not drive any spring past where it can ring.
    FakeEngineHost host;
    Engine e(host);
    std::vector<float> program = defaultProgram();
    program[44] = 1.0f;
    program[10] = 1.0f;
    program[16] = 1.0f;
    applyProgram(e, program);
    const MidiMessage m[] = {midi(0xE0, 127, 127), midi(0x90, 48, 100), midi(0x90, 60, 100),
                             midi(0x90, 67, 100), midi(0x90, 72, 100)};
    e.processMidi(m, 5);
    std::vector<float> l, r;
    renderInto(e, l, r, 48000);
    float early = 0.0f, late = 0.0f;
    for (size_t i = 0; i < l.size(); ++i) {
        float& half = i < l.size() / 2 ? early : late;
        half = std::fmax(half, std::fabs(l[i]));
    }
    EXPECT_LT(early, 0.9f);
    EXPECT_GT(late, 0.0f) << "fell silent";
    EXPECT_LE(late, early);
}

TEST(EngineBadInput, NoiseFilterAtTheTopOfItsRangeStaysStableAtLowRates)
{
    for (float rate : {11025.0f, 22050.0f}) {
        FakeEngineHost host;
        Engine e(host);
        e.setSampleRate(rate);
        std::vector<float> program = defaultProgram();
        program[22] = 1.0f; // NOISE mode
        program[14] = 1.0f; // "NOISE Frq" at the top
        program[15] = 0.5f; // "NOISE Res"
        applyProgram(e, program);
        const MidiMessage m = midi(0x90, 60, 127);
        e.processMidi(&m, 1);
        std::vector<float> l, r;
        renderInto(e, l, r, static_cast<int>(rate));
        float peak = 0.0f, late = 0.0f;
        for (size_t i = 0; i < l.size(); ++i) {
            peak = std::fmax(peak, std::fabs(l[i]));
            if (i > l.size() / 2) late = std::fmax(late, std::fabs(l[i]));
        }
        EXPECT_LT(peak, 0.9f) << rate;
        EXPECT_GT(late, 0.0f) << rate << " fell silent";
    }
}

TEST(EngineBadInput, FastPitchRelaxAtLowRatesSettlesOnTheTarget)
{
    // "Pitch relax" at 1 at 22050 Hz: a released, bent key must glide home, not diverge.
    FakeEngineHost host;
    Engine e(host);
    e.setSampleRate(22050.0f);
    std::vector<float> program = defaultProgram();
    program[45] = 1.0f;
    program[6] = 0.0f; // main oscillator only
    applyProgram(e, program);
    const MidiMessage bentNote[] = {midi(0xE0, 127, 127), midi(0x90, 69, 100)};
    e.processMidi(bentNote, 2);
    std::vector<float> l, r;
    renderInto(e, l, r, 2048);
    const MidiMessage release[] = {midi(0x80, 69, 0), midi(0xE0, 0, 64)};
    e.processMidi(release, 2);
    renderInto(e, l, r, 2048);
    // Struck again, the key sounds its own pitch.
    const MidiMessage again = midi(0x90, 69, 100);
    e.processMidi(&again, 1);
    const size_t from = l.size();
    renderInto(e, l, r, 22050);
    expectPlayableOutput(l, "left");
    const std::vector<float> tail(l.begin() + static_cast<long>(from), l.end());
    EXPECT_NEAR(centsBetween(measurePitch(tail, 22050.0, 440.0, 2000, 18000), 440.0), 0.0, 2.0);
}

TEST(EngineBadInput, UnusableHostTempoKeepsTheLastOne)
{
    const float tempos[] = {0.0f, -120.0f, std::numeric_limits<float>::quiet_NaN(),
                            std::numeric_limits<float>::infinity()};
    for (float tempo : tempos) {
        FakeEngineHost host;
        host.tempo = tempo;
        host.position = std::numeric_limits<float>::quiet_NaN();
        Engine e(host);
        std::vector<float> program = defaultProgram();
        program[100] = 1.0f; // LFO synced to the tempo
        program[103] = 1.0f; // full LFO pitch
        applyProgram(e, program);
        std::vector<float> l, r;
        playPhrase(e, l, r);
        expectPlayableOutput(l, "left");
    }
}

} // namespace

TEST(EngineBadInput, ExtremeProgramsStayStableAtEveryRate)
{
    // Every filter, spring and glide must stay within the range where it can
    // ring, at any rate a host may run at and with every parameter at its ends.
    std::vector<std::vector<float>> programs = {std::vector<float>(111, 0.0f), std::vector<float>(111, 1.0f),
                                                defaultProgram()};
    unsigned seed = 12345u;
    for (int n = 0; n < 24; ++n) {
        std::vector<float> p(111);
        for (float& v : p) {
            seed = seed * 1103515245u + 12345u;
            v = (seed >> 16) & 1u ? 1.0f : 0.0f;
        }
        programs.push_back(p);
    }
    // Quiet enough that a sound within range never reaches the output clip;
    // springs and body strings over every key both heard.
    for (auto& p : programs) {
        p[0] = p[41] = 1.0f;
        p[1] = 0.05f;
        p[29] = 0.5f;
        p[30] = 0.0f;
        p[31] = 1.0f;
    }
    std::vector<float> sand = defaultProgram(); // every grain, the stiffest ring
    for (int i : {87, 89, 91, 92}) sand[static_cast<size_t>(i)] = 1.0f;
    sand[1] = 0.15f;
    programs.push_back(sand);
    for (float rate : {8001.0f, 11025.0f, 22050.0f, 44100.0f, 96000.0f, 99999.0f}) {
        for (size_t n = 0; n < programs.size(); ++n) {
            FakeEngineHost host;
            Engine e(host);
            e.setSampleRate(rate);
            applyProgram(e, programs[n]);
            const MidiMessage m[] = {midi(0xE0, 127, 127), midi(0xB0, 1, 127), midi(0x90, 21, 127),
                                     midi(0x90, 69, 100), midi(0x90, 108, 127)};
            e.processMidi(m, 5);
            std::vector<float> l, r;
            renderInto(e, l, r, 8192);
            // A filter out of its range either runs into the clip or turns to
            // NaN, which the output stage mutes for good: both show here.
            float peak = 0.0f, last = 0.0f;
            for (size_t b = 0; b < l.size(); b += 256) {
                float q = 0.0f;
                for (size_t i = b; i < b + 256; ++i) q = std::fmax(q, std::fmax(std::fabs(l[i]), std::fabs(r[i])));
                ASSERT_FALSE(last > 1e-3f && q == 0.0f) << rate << " Hz, program " << n << " died at " << b;
                peak = std::fmax(peak, q);
                last = q;
            }
            EXPECT_LT(peak, 0.9f) << rate << " Hz, program " << n;
        }
    }
}
