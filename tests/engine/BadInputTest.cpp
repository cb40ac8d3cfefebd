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

void expectPlayableOutput(const EnginePlayer& p)
{
    for (const std::vector<float>* x : {&p.left, &p.right})
        for (size_t i = 0; i < x->size(); ++i)
            ASSERT_TRUE(std::fabs((*x)[i]) <= 1.0f) << "sample " << i; // NaN fails
}

void playPhrase(EnginePlayer& p)
{
    p.send({midi(0x90, 21, 127), midi(0x90, 60, 90, 7), midi(0x90, 108, 64, 30), midi(0xB0, 1, 100),
            midi(0xE0, 127, 127)})
        .render(1024, 256);
    p.send({midi(0x80, 60, 0), midi(0xB0, 1, 0), midi(0xE0, 0, 0)}).render(1024, 256);
}

TEST(EngineBadInput, WildParameterValuesKeepTheOutputFiniteAndBounded)
{
    EnginePlayer p;
    p.host.tempo = 1.0f; // tempo-synced echoes far longer than their lines
    const std::vector<float> program = defaultProgram();
    for (int index = 0; index < kParamCount; ++index)
    {
        for (float v : {kNaN, kInf, -kInf, -3.0f, 5.0f, 1e30f})
        {
            SCOPED_TRACE(testing::Message() << "parameter " << index << " value " << v);
            applyProgram(p.engine, program);
            p.send({midi(0xB0, 123, 0)});
            p.engine.resetEngine();
            p.engine.setParameter(index, v);
            p.left.clear(), p.right.clear();
            playPhrase(p);
            expectPlayableOutput(p);
            if (HasFatalFailure())
                return;
        }
    }
}

TEST(EngineBadInput, IndicesOutsideTheTablesAndEmptyBatchesAreIgnored)
{
    EnginePlayer p;
    p.engine.setParameter(1 << 30, 0.5f);
    for (int key : {-5, 128, 1 << 20})
        p.engine.noteOn(key, 100, 0);
    p.engine.noteOff(500);
    // A null batch, or a count of 0 or below, only takes the snapshot.
    const MidiMessage m = midi(0x90, 60, 100);
    EXPECT_FALSE(p.engine.processMidi(nullptr, 5));
    EXPECT_FALSE(p.engine.processMidi(&m, -3));
    EXPECT_EQ(lastNonZero(p.render(1024).left), -1);
}

TEST(EngineBadInput, EventsOutsideTheBlockStartWithinIt)
{
    // The late note is pulled onto the last sample, the early one onto the first.
    EnginePlayer late, early;
    const int lateStart = firstNonZero(late.send({midi(0x90, 60, 100, 1 << 30)}).render(256, 256).left);
    EXPECT_TRUE(lateStart == -1 || lateStart == 255) << lateStart;
    EXPECT_EQ(firstNonZero(early.send({midi(0x90, 60, 100, -7)}).render(256, 256).left), 1);
    EXPECT_NE(late.render(256, 256).left[256], 0.0f);
}

TEST(EngineBadInput, PitchRangeZeroLeavesThePitchAlone)
{
    Settings changes = {{ParamId::PitchRange, 0.0f}, {ParamId::SaBalance, 0.0f}}; // no bend range; main oscillator only
    for (int pc = 0; pc < kPitchClasses; ++pc)
        for (ParamId scale : {bendUpParam(pc), bendDownParam(pc)})
            changes.push_back({scale, 0.5f}); // bend scales at range 0
    EnginePlayer p(changes);
    p.send({midi(0xE0, 127, 127), midi(0x90, 69, 100)}).render(48000);
    EXPECT_NEAR(centsBetween(measurePitch(p.left, 48000.0, 440.0, 4800, 43000), 440.0), 0.0, 1.0);
}

TEST(EngineBadInput, SpringsAtTheEdgeOfTheirRangeKeepRinging)
{
    // Top keys at 11025 Hz (body strings kicked by every note); a twelve-semitone
    // bend, partial three octaves up, spring B high; the NOISE filter at its top
    // at a low rate. None may blow up, none may fall silent.
    struct Case
    {
        const char* what;
        float rate;
        Settings changes;
        std::vector<MidiMessage> events;
        float limit;
    };
    const MidiMessage fullBend = midi(0xE0, 127, 127);
    const Case cases[] = {
        {"key 60", 11025.0f, {{ParamId::PitchRange, 1.0f}}, {midi(0x90, 60, 127), fullBend}, 0.5f},
        {"key 108", 11025.0f, {{ParamId::PitchRange, 1.0f}}, {midi(0x90, 108, 127), fullBend}, 0.5f},
        {"wide bend",
         48000.0f,
         {{ParamId::PitchRange, 1.0f}, {ParamId::SaNoteOffset, 1.0f}, {ParamId::SbNoteOffset, 1.0f}},
         {fullBend, midi(0x90, 48, 100), midi(0x90, 60, 100), midi(0x90, 67, 100), midi(0x90, 72, 100)},
         0.9f},
        {"NOISE at 11025",
         11025.0f,
         {{ParamId::SbDiffusion, 1.0f}, {ParamId::SbFrqBottom, 1.0f}, {ParamId::SbFrqTop, 0.5f}},
         {midi(0x90, 60, 127)},
         0.9f},
    };
    for (const Case& c : cases)
    {
        EnginePlayer p(c.changes, c.rate);
        const std::vector<float>& l = p.send(c.events).render(static_cast<int>(c.rate)).left;
        float early = 0.0f, late = 0.0f;
        for (size_t i = 0; i < l.size(); ++i)
        {
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
    // "Pitch relax" at 1 at 22050 Hz: a released, bent key glides home, not away.
    EnginePlayer p({{ParamId::PitchRelax, 1.0f}, {ParamId::SaBalance, 0.0f}}, 22050.0f);
    p.send({midi(0xE0, 127, 127), midi(0x90, 69, 100)}).render(2048);
    p.send({midi(0x80, 69, 0), midi(0xE0, 0, 64)}).render(2048);
    // Struck again, the key sounds its own pitch.
    const long from = static_cast<long>(p.left.size());
    p.send({midi(0x90, 69, 100)}).render(22050);
    expectPlayableOutput(p);
    const std::vector<float> tail(p.left.begin() + from, p.left.end());
    EXPECT_NEAR(centsBetween(measurePitch(tail, 22050.0, 440.0, 2000, 18000), 440.0), 0.0, 2.0);
}

TEST(EngineBadInput, UnusableHostTempoKeepsTheLastOne)
{
    for (float tempo : {0.0f, -120.0f, kNaN, kInf})
    {
        EnginePlayer p(
            {{ParamId::LfoSync, 1.0f}, {ParamId::LfoPitch, 1.0f}}); // LFO synced to the tempo, full LFO pitch
        p.host.tempo = tempo;
        p.host.position = kNaN;
        playPhrase(p);
        expectPlayableOutput(p);
    }
}

TEST(EngineBadInput, ExtremeProgramsStayStableAtEveryRate)
{
    // Every filter, spring and glide stays where it can ring, at any host rate,
    // with all 0, all 1, the default and seeded mixes of 0 and 1 (quiet, springs
    // and body strings over every key heard), and the sand at its stiffest.
    std::vector<Settings> programs(27);
    CrtRandom random;
    for (size_t n = 0; n < programs.size(); ++n)
    {
        for (int i = 0; i < kParamCount && n != 2; ++i)
            programs[n].push_back(
                {static_cast<ParamId>(i), n < 2 ? static_cast<float>(n) : static_cast<float>(random.next() & 1)});
        programs[n] = with(programs[n], {{ParamId::HitPower, 1.0f},
                                         {ParamId::FltLowpass, 1.0f},
                                         {ParamId::Volume, 0.002f},
                                         {ParamId::BodyWet, 0.5f},
                                         {ParamId::BodyLowest, 0.0f},
                                         {ParamId::BodyHighest, 1.0f}});
    }
    programs.push_back({{ParamId::SandGrains, 1.0f},
                        {ParamId::SandBounce, 1.0f},
                        {ParamId::SandTune, 1.0f},
                        {ParamId::SandDamping, 1.0f},
                        {ParamId::Volume, 0.15f}});
    for (float rate : {8001.0f, 11025.0f, 22050.0f, 44100.0f, 96000.0f, 192000.0f})
        for (size_t n = 0; n < programs.size(); ++n)
        {
            EnginePlayer p(programs[n], rate);
            p.send({midi(0xE0, 127, 127), midi(0xB0, 1, 127), midi(0x90, 21, 127), midi(0x90, 69, 100),
                    midi(0x90, 108, 127)})
                .render(8192);
            const std::vector<float>&l = p.left, &r = p.right;
            // A runaway turns to NaN (muted for good) or sits on the clip; a
            // NOISE tail stops dead only from near silence, a loud strike decays.
            float last = 0.0f;
            for (size_t b = 0; b < l.size(); b += 256)
            {
                float q = 0.0f;
                for (size_t i = b; i < b + 256; ++i)
                    q = std::fmax(q, std::fmax(std::fabs(l[i]), std::fabs(r[i])));
                ASSERT_FALSE(last > 0.02f && q == 0.0f) << rate << " Hz, program " << n << " died at " << b;
                last = q;
            }
            EXPECT_LT(last, 0.9f) << rate << " Hz, program " << n;
        }
}

} // namespace
