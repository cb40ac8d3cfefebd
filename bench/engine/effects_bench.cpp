// Realtime factor (seconds of audio per CPU second) of the effect stages at
// 48 kHz, block 512: the full chain (spring B, body tube and strings, phaser
// with tremolo, crusher, echo), NOISE mode on all 88 keys, and the sand at
// its full 100 grains.
#include <utility>
#include <vector>

#include "bench/engine/BenchEngine.h"
#include "engine/CrtRandom.h"
#include "engine/Sand.h"

namespace {

using Settings = std::vector<std::pair<ParamId, float>>;

// Every effect audible: spring B driven, body tube and strings, phaser swept by
// a tempo-synced tremolo, crusher, echo on both lines.
const Settings kFullChain = {
    {ParamId::HitPower, 1.0f},      {ParamId::Volume, 0.5f},        {ParamId::SaBalance, 0.5f},
    {ParamId::Decay, 0.9f},         {ParamId::Release, 0.25f},      {ParamId::SaVolume, 0.5f},
    {ParamId::SaNoteOffset, 0.5f},  {ParamId::SbVolume, 0.7f},      {ParamId::SbFrqTop, 1.0f},
    {ParamId::SbNoteOffset, 0.75f}, {ParamId::SbRndTune, 0.3f},     {ParamId::SbDetune, 0.55f},
    {ParamId::SbDecay, 0.75f},      {ParamId::SbDiffusion, 0.3f},   {ParamId::SbCrush, 0.6f},
    {ParamId::BodyVol, 0.6f},       {ParamId::BodyTune, 0.5625f},   {ParamId::BodyDecay, 0.5f},
    {ParamId::BodyDiffusion, 0.5f}, {ParamId::BodySharpness, 0.5f}, {ParamId::BodyWet, 0.3f},
    {ParamId::BodyLowest, 0.16f},   {ParamId::BodyHighest, 0.85f},  {ParamId::BodyPhaseFrq, 0.55f},
    {ParamId::BodyPhaseQ, 0.7f},    {ParamId::BodyPhaMix, 0.8f},    {ParamId::BodyTremolo, 0.8f},
    {ParamId::BodyTrSync, 0.5f},    {ParamId::BodyTrRate, 0.4f},    {ParamId::BodyTrWide, 0.75f},
    {ParamId::ConcertA, 0.5f},      {ParamId::FltHighpass, 0.05f},  {ParamId::FltLowpass, 1.0f},
    {ParamId::OutStereo, 0.5f},     {ParamId::OutSpread, 0.5f},     {ParamId::PitchRelax, 0.4f},
    {ParamId::CrushBits, 0.5f},     {ParamId::Crush, 0.4f},         {ParamId::EchoLRate, 0.3f},
    {ParamId::EchoRRate, 0.4f},     {ParamId::EchoFb, 0.6f},        {ParamId::EchoWet, 0.5f},
};

void run(benchmark::State& state, const Settings& settings, const std::vector<int>& keys)
{
    BenchHost host(true); // transport running, as in a playing host
    Engine engine(host);
    engine.setSampleRate(kBenchRate);
    for (int pc = 0; pc < kPitchClasses; ++pc)
    {
        engine.setParameter(microtuningParam(pc), 0.5f);
        engine.setParameter(bendUpParam(pc), 1.0f);
        engine.setParameter(bendDownParam(pc), 1.0f);
    }
    for (const auto& [i, v] : settings)
        engine.setParameter(i, v);
    engine.programApplied();
    measureEngine(state, engine, keys, kBenchRate / kBenchBlock); // strike again every second
}

void BM_EffectsFullChainChord8(benchmark::State& state) { run(state, kFullChain, {48, 52, 55, 60, 64, 67, 72, 76}); }

void BM_EffectsFullChainAll88Keys(benchmark::State& state) { run(state, kFullChain, allKeys()); }

void BM_EffectsNoiseModeAll88Keys(benchmark::State& state)
{
    Settings noise = kFullChain;
    noise.push_back({ParamId::SbDiffusion, 1.0f}); // NOISE mode
    noise.push_back({ParamId::SbFrqBottom, 0.5f});
    noise.push_back({ParamId::SbFrqTop, 0.9f});
    run(state, noise, allKeys());
}

void BM_EffectsSand100GrainsChord8(benchmark::State& state)
{
    Settings sand = kFullChain;
    sand.push_back({ParamId::SandGrains, 1.0f}); // 100 grains
    sand.push_back({ParamId::SandBounce, 0.75f});
    sand.push_back({ParamId::SandWidth, 1.0f});
    sand.push_back({ParamId::SandTune, 0.9f});
    sand.push_back({ParamId::SandDamping, 0.85f});
    run(state, sand, {48, 52, 55, 60, 64, 67, 72, 76});
}

// The sand stage alone at 100 grains, on a signal that keeps the floor moving.
void BM_Sand100GrainsAlone(benchmark::State& state)
{
    Sand sand;
    sand.setBounce(0.75f);
    sand.setWidth(1.0f);
    sand.setStiffness(0.9f, 440.0f, kBenchRate);
    sand.setDamping(0.85f);
    sand.setCount(1.0f);
    CrtRandom random;
    int i = 0;
    for (auto _ : state)
    {
        float sum = 0.0f;
        for (int j = 0; j < kBenchBlock; ++j, ++i)
        {
            float l = (i % 4800 < 2400) ? 0.5f : -0.5f, r = l;
            sand.process(l, r, random);
            sum += l + r;
        }
        benchmark::DoNotOptimize(sum);
    }
    reportRealtime(state);
}

BENCHMARK(BM_EffectsFullChainChord8)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EffectsFullChainAll88Keys)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EffectsNoiseModeAll88Keys)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EffectsSand100GrainsChord8)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Sand100GrainsAlone)->Unit(benchmark::kMicrosecond);

} // namespace
