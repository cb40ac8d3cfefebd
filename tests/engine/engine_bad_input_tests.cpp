// What careless hosts and callers may send: parameter values outside 0..1,
// NaN or infinite; events outside the block; keys outside the bank; no tempo;
// and settings that would drive a spring or filter past where it can ring.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/CrtRandom.h"
#include "tests/engine/EngineFixture.h"
#include "tests/engine/PitchMeter.h"
#include "tests/engine/Signal.h"

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

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

bool silent(const std::vector<float>& x) { return lastNonZero(x) < 0; }

TEST(EngineBadInput, WildParameterValuesKeepTheOutputFiniteAndBounded)
{
    FakeEngineHost host;
    host.tempo = 1.0f; // tempo-synced echoes far longer than their lines
    Engine e(host);
    const std::vector<float> program = defaultProgram();
    const MidiMessage allOff = midi(0xB0, 123, 0);
    for (int index = 0; index < 111; ++index) {
        for (float v : {kNaN, kInf, -kInf, -3.0f, 5.0f, 1e30f}) {
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

TEST(EngineBadInput, IndicesOutsideTheTablesAndEmptyBatchesAreIgnored)
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
    // A null batch, or a count of 0 or below, only takes the snapshot.
    const MidiMessage m = midi(0x90, 60, 100);
    e.processMidi(nullptr, 5);
    e.processMidi(&m, 0);
    e.processMidi(&m, -3);
    std::vector<float> l, r;
    renderInto(e, l, r, 1024);
    EXPECT_TRUE(silent(l));
    EXPECT_EQ(host.flashes, 0);
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
    EXPECT_TRUE(firstNonZero(l) == -1 || firstNonZero(l) == 255) << firstNonZero(l);
    EXPECT_EQ(firstNonZero(l2), 1);
    renderInto(late, l, r, 256, 256);
    EXPECT_NE(l[256], 0.0f);
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

TEST(EngineBadInput, SpringsAtTheEdgeOfTheirRangeKeepRinging)
{
    // Top keys at 11025 Hz lie beyond what a spring can ring at (their body
    // strings are kicked by every note); a full twelve-semitone bend with the
    // partial three octaves up and spring B high; the NOISE filter at the top of
    // its range at low rates. None may blow up, none may fall silent.
    struct Case {
        const char* what;
        float rate;
        Settings changes;
        std::vector<MidiMessage> events;
        float limit;
    };
    const MidiMessage fullBend = midi(0xE0, 127, 127);
    const Case cases[] = {
        {"key 60", 11025.0f, {{44, 1.0f}}, {midi(0x90, 60, 127), fullBend}, 0.5f},
        {"key 96", 11025.0f, {{44, 1.0f}}, {midi(0x90, 96, 127), fullBend}, 0.5f},
        {"key 108", 11025.0f, {{44, 1.0f}}, {midi(0x90, 108, 127), fullBend}, 0.5f},
        {"wide bend", 48000.0f, {{44, 1.0f}, {10, 1.0f}, {16, 1.0f}},
         {fullBend, midi(0x90, 48, 100), midi(0x90, 60, 100), midi(0x90, 67, 100), midi(0x90, 72, 100)}, 0.9f},
        {"NOISE at 11025", 11025.0f, {{22, 1.0f}, {14, 1.0f}, {15, 0.5f}}, {midi(0x90, 60, 127)}, 0.9f},
        {"NOISE at 22050", 22050.0f, {{22, 1.0f}, {14, 1.0f}, {15, 0.5f}}, {midi(0x90, 60, 127)}, 0.9f},
    };
    for (const Case& c : cases) {
        FakeEngineHost host;
        Engine e(host);
        e.setSampleRate(c.rate);
        std::vector<float> program = defaultProgram();
        for (auto [i, v] : c.changes) program[static_cast<size_t>(i)] = v;
        applyProgram(e, program);
        e.processMidi(c.events.data(), static_cast<int>(c.events.size()));
        std::vector<float> l, r;
        renderInto(e, l, r, static_cast<int>(c.rate));
        float early = 0.0f, late = 0.0f;
        for (size_t i = 0; i < l.size(); ++i) {
            float& half = i < l.size() / 2 ? early : late;
            half = std::fmax(half, std::fabs(l[i]));
        }
        EXPECT_LT(std::fmax(early, late), c.limit) << c.what;
        EXPECT_GT(late, 0.0f) << c.what << " fell silent";
        EXPECT_LE(late, early) << c.what;
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
    for (float tempo : {0.0f, -120.0f, kNaN, kInf}) {
        FakeEngineHost host;
        host.tempo = tempo;
        host.position = kNaN;
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

TEST(EngineBadInput, ExtremeProgramsStayStableAtEveryRate)
{
    // Every filter, spring and glide must stay within the range where it can
    // ring, at any rate a host may run at and with every parameter at its ends:
    // all 0, all 1, the default and seeded mixes of 0 and 1, each quiet, with
    // springs and body strings over every key both heard. Last, the sand at
    // its stiffest.
    std::vector<std::vector<float>> programs = {std::vector<float>(111, 0.0f), std::vector<float>(111, 1.0f),
                                                defaultProgram()};
    CrtRandom random;
    for (int n = 0; n < 24; ++n) {
        std::vector<float> p(111);
        for (float& v : p) v = static_cast<float>(random.next() & 1);
        programs.push_back(p);
    }
    for (auto& p : programs) {
        for (auto [i, v] : Settings{{0, 1.0f}, {41, 1.0f}, {1, 0.002f}, {29, 0.5f}, {30, 0.0f}, {31, 1.0f}})
            p[static_cast<size_t>(i)] = v;
    }
    programs.push_back(defaultProgram());
    for (auto [i, v] : Settings{{87, 1.0f}, {89, 1.0f}, {91, 1.0f}, {92, 1.0f}, {1, 0.15f}})
        programs.back()[static_cast<size_t>(i)] = v;
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
            // A filter out of its range either turns to NaN, which the output
            // stage mutes for good, or sits on the clip: both show here (a NOISE
            // tail legitimately stops dead, but from near silence; a loud strike
            // may touch the clip, but decays).
            float last = 0.0f;
            for (size_t b = 0; b < l.size(); b += 256) {
                float q = 0.0f;
                for (size_t i = b; i < b + 256; ++i) q = std::fmax(q, std::fmax(std::fabs(l[i]), std::fabs(r[i])));
                ASSERT_FALSE(last > 0.02f && q == 0.0f) << rate << " Hz, program " << n << " died at " << b;
                last = q;
            }
            EXPECT_LT(last, 0.9f) << rate << " Hz, program " << n;
        }
    }
}

} // namespace
