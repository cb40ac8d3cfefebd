// The effect stages inside the rendered engine: echo clearing, body strings and
// tube, spring B and NOISE mode, crusher, and hostile parameter values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "tests/engine/EngineFixture.h"
#include "tests/engine/PitchMeter.h"

namespace {

constexpr float kRate = 48000.0f;

struct Take {
    std::vector<float> left, right;
};

// Default program with changes, one key struck for `hold` samples, then
// `frames` samples in all (blocks of 512).
Take play(const std::vector<std::pair<int, float>>& changes, int key, int hold, int frames)
{
    FakeEngineHost host;
    Engine engine(host);
    std::vector<float> program = defaultProgram();
    for (auto [i, v] : changes) program[static_cast<size_t>(i)] = v;
    applyProgram(engine, program);
    Take t;
    MidiMessage on = midi(0x90, key, 100), off = midi(0x80, key, 0);
    engine.processMidi(&on, 1);
    renderInto(engine, t.left, t.right, hold);
    engine.processMidi(&off, 1);
    renderInto(engine, t.left, t.right, frames - hold);
    return t;
}

int firstNonZero(const std::vector<float>& x, int from = 0)
{
    for (size_t i = static_cast<size_t>(from); i < x.size(); ++i)
        if (x[i] != 0.0f) return static_cast<int>(i);
    return -1;
}

int lastNonZero(const std::vector<float>& x)
{
    for (size_t i = x.size(); i-- > 0;)
        if (x[i] != 0.0f) return static_cast<int>(i);
    return -1;
}

double energy(const std::vector<float>& x, int from, int to)
{
    double e = 0;
    for (int i = from; i < to; ++i) e += static_cast<double>(x[static_cast<size_t>(i)]) * x[static_cast<size_t>(i)];
    return e;
}

} // namespace

// ---- Echo ----

TEST(EffectsRender, EchoWetZeroIsSilentButTheLineKeepsFilling)
{
    FakeEngineHost host;
    Engine engine(host);
    std::vector<float> program = defaultProgram();
    program[7] = program[8] = 0.0f;
    program[24] = program[31] = 0.0f; // no body
    program[93] = 0.25f;              // 24000 samples
    program[96] = 0.5f;
    program[97] = 0.0f;
    applyProgram(engine, program);
    MidiMessage on = midi(0x90, 96, 100), off = midi(0x80, 96, 0);
    engine.processMidi(&on, 1);
    Take t;
    renderInto(engine, t.left, t.right, 512);
    engine.processMidi(&off, 1);
    renderInto(engine, t.left, t.right, 30000);
    const int lastDry = lastNonZero(t.left);
    ASSERT_LT(lastDry, 23999);
    // Raise the wet later: what the line holds comes out at the second pass.
    engine.setParameter(97, 1.0f);
    renderInto(engine, t.left, t.right, 30000);
    const int back = firstNonZero(t.left, lastDry + 1);
    EXPECT_EQ(back, firstNonZero(t.left) + 2 * 24000 - 1);
}

TEST(EffectsRender, ChangingEchoLeftRateClearsOnlyTheLeftLine)
{
    FakeEngineHost host;
    Engine engine(host);
    std::vector<float> program = defaultProgram();
    program[7] = program[8] = 0.0f;
    program[24] = program[31] = 0.0f;
    program[93] = program[94] = 0.2f; // 19200 samples
    program[96] = 0.9f;
    program[97] = 1.0f;
    applyProgram(engine, program);
    MidiMessage on = midi(0x90, 96, 100), off = midi(0x80, 96, 0);
    engine.processMidi(&on, 1);
    Take t;
    renderInto(engine, t.left, t.right, 512);
    engine.processMidi(&off, 1);
    renderInto(engine, t.left, t.right, 15360);
    engine.setParameter(93, 0.2f);
    Take after;
    renderInto(engine, after.left, after.right, 48000);
    EXPECT_EQ(firstNonZero(after.left), -1);
    EXPECT_GT(energy(after.right, 0, 48000), 1e-6);
}

// ---- Body ----

namespace {
// Body test program: strings and phaser out of the way unless asked for.
std::vector<std::pair<int, float>> bodyProgram(float volume, std::vector<std::pair<int, float>> more = {})
{
    std::vector<std::pair<int, float>> p = {{24, volume}, {34, 0.0f}, {30, 0.0f}, {31, 0.0f}, {29, 0.0f}};
    p.insert(p.end(), more.begin(), more.end());
    return p;
}
} // namespace

TEST(EffectsRender, BodyStringsSoundOnlyForARealKeyRange)
{
    // "Body Wet" 1: only the body strings are heard.
    const Take none = play(bodyProgram(1.0f, {{29, 1.0f}, {30, 0.6f}, {31, 0.3f}}), 60, 4096, 16384);
    EXPECT_EQ(firstNonZero(none.left), -1);
    EXPECT_EQ(firstNonZero(none.right), -1);
    const Take equal = play(bodyProgram(1.0f, {{29, 1.0f}, {30, 0.5f}, {31, 0.5f}}), 60, 4096, 16384);
    EXPECT_EQ(firstNonZero(equal.left), -1);
    const Take strings = play(bodyProgram(1.0f, {{29, 1.0f}, {30, 0.3f}, {31, 0.6f}}), 60, 4096, 16384);
    EXPECT_GT(energy(strings.left, 0, 16384), 1e-8);
    EXPECT_GT(energy(strings.right, 0, 16384), 1e-8);
}

TEST(EffectsRender, BodyVolumeZeroStepsNoTube)
{
    // With the volume at 0 the tube's tuning and diffusion cannot matter.
    const Take a = play(bodyProgram(0.0f, {{25, 0.1f}, {27, 0.0f}, {31, 1.0f}}), 60, 4096, 8192);
    const Take b = play(bodyProgram(0.0f, {{25, 0.9f}, {27, 1.0f}, {31, 1.0f}}), 60, 4096, 8192);
    EXPECT_EQ(a.left, b.left);
    EXPECT_EQ(a.right, b.right);
}

// ---- Spring B ----

namespace {
// Spring B of every key on E5 (659.26 Hz), body and echo out of the way.
std::vector<std::pair<int, float>> springBProgram(float drive, float diffusion = 0.0f)
{
    return {{13, drive}, {14, 76.0f / 128.0f}, {15, 76.0f / 128.0f}, {16, 0.0f}, {22, diffusion},
            {24, 0.0f},  {34, 0.0f},           {31, 0.0f},           {97, 0.0f}};
}
} // namespace

TEST(EffectsRender, SpringBAddsEnergyNearItsTunedFrequency)
{
    const Take without = play(springBProgram(0.0f), 60, 8192, 16384);
    const Take with = play(springBProgram(0.5f), 60, 8192, 16384);
    const double f = 440.0 * std::pow(2.0, 7.0 / 12.0);
    const double at0 = spectrumMagnitude(without.left, kRate, f, 1024, 8192);
    const double at1 = spectrumMagnitude(with.left, kRate, f, 1024, 8192);
    EXPECT_GT(at1, 10.0 * at0 + 1e-3);
    // Far from it (between spring A's partials) spring B adds little.
    const double far0 = spectrumMagnitude(without.left, kRate, 2.0 * f * 1.37, 1024, 8192);
    const double far1 = spectrumMagnitude(with.left, kRate, 2.0 * f * 1.37, 1024, 8192);
    EXPECT_LT(far1, far0 + 0.1 * at1);
}

TEST(EffectsRender, DriveZeroCouplesNothing)
{
    // With no drive the spring B tuning cannot change a single sample.
    std::vector<std::pair<int, float>> a = springBProgram(0.0f), b = springBProgram(0.0f);
    b.push_back({14, 0.2f});
    b.push_back({15, 0.9f});
    b.push_back({18, 0.8f});
    EXPECT_EQ(play(a, 60, 4096, 8192).left, play(b, 60, 4096, 8192).left);
}

TEST(EffectsRender, NoiseModeIsBandLimitedFollowsTheStrikeAndFallsSilent)
{
    // Spring A muted: what sounds is the NOISE filter, tuned by parameter 14.
    std::vector<std::pair<int, float>> p = springBProgram(1.0f, 1.0f);
    p.push_back({9, 0.0f});
    p.push_back({20, 0.0f});  // short "sB Decay": the excitation dies quickly
    p.push_back({14, 0.5f});  // NOISE Frq: 2^((34 - 12) / 12) * 440 = 1569.6 Hz
    p.push_back({15, 0.95f}); // resonant
    const Take t = play(p, 60, 2048, 48000);
    const double fn = 440.0 * std::pow(2.0, 22.0 / 12.0);
    const double near = spectrumMagnitude(t.left, kRate, fn, 0, 2048);
    const double far = spectrumMagnitude(t.left, kRate, fn * 4.0, 0, 2048);
    EXPECT_GT(near, 10.0 * far);
    // Louder at the strike than after it.
    EXPECT_GT(energy(t.left, 0, 1024), 4.0 * energy(t.left, 2048, 3072));
    // Once the excitation has decayed: silence.
    for (size_t i = 36000; i < t.left.size(); ++i) {
        ASSERT_EQ(t.left[i], 0.0f) << i;
        ASSERT_EQ(t.right[i], 0.0f) << i;
    }
    // The same program with diffusion just below 1 is a spring, not noise.
    std::vector<std::pair<int, float>> coupled = p;
    coupled.push_back({22, 0.99f});
    const Take s = play(coupled, 60, 2048, 8192);
    EXPECT_NE(s.left, std::vector<float>(t.left.begin(), t.left.begin() + 8192));
}

// ---- Crusher and sand ----

TEST(EffectsRender, CrusherAtStraightShapeLeavesTheOutputAlone)
{
    const Take a = play({{46, 0.0f}, {47, 0.0f}}, 60, 4096, 8192);
    const Take b = play({{46, 0.5f}, {47, 0.0f}}, 60, 4096, 8192);
    EXPECT_EQ(a.left, b.left);
    const Take c = play({{46, 3.0f / 16.0f}, {47, 1.0f}}, 60, 4096, 8192);
    EXPECT_NE(a.left, c.left);
}

// ---- Tremolo ----

// ---- Bad input ----

TEST(EffectsRender, HostileEffectValuesNeverIndexOutsideTheirTables)
{
    FakeEngineHost host;
    host.tempo = 1.0f;
    Engine engine(host);
    applyProgram(engine, defaultProgram());
    const int params[] = {22, 23, 24, 25, 27, 28, 30, 31, 32, 33, 34, 36, 37, 38,
                          40, 41, 46, 47, 87, 89, 90, 91, 92, 93, 94, 95, 96, 97};
    const float values[] = {NAN, INFINITY, -INFINITY, -1.0f, 2.0f, 1e30f, 1.0f, 0.9999f};
    std::vector<float> l, r;
    for (float v : values) {
        for (int p : params) engine.setParameter(p, v);
        MidiMessage on = midi(0x90, 60, 127), off = midi(0x80, 60, 0);
        engine.processMidi(&on, 1);
        l.clear();
        r.clear();
        renderInto(engine, l, r, 2048);
        engine.processMidi(&off, 1);
        renderInto(engine, l, r, 2048);
        for (size_t i = 0; i < l.size(); ++i) ASSERT_TRUE(std::isfinite(l[i]) && std::isfinite(r[i])) << v;
        EXPECT_LE(engine.echoLineLength(0), 4 * 48000);
    }
    // A sample-rate change re-allocates the lines; everything keeps working.
    engine.setSampleRate(22050.0f);
    applyProgram(engine, defaultProgram());
    engine.setParameter(95, 1.0f);
    engine.setParameter(93, 1.0f);
    renderInto(engine, l, r, 4096);
    EXPECT_EQ(engine.echoLineLength(0), 88200);
}
