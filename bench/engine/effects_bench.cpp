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

using Settings = std::vector<std::pair<int, float>>;

// Every effect audible: spring B driven, body tube and strings, phaser swept by
// a tempo-synced tremolo, crusher, echo on both lines.
const Settings kFullChain = {
    {0, 1.0f},   {1, 0.5f},  {6, 0.5f},   {7, 0.9f},   {8, 0.25f},  {9, 0.5f},   {10, 0.5f}, {13, 0.7f},    {15, 1.0f},
    {16, 0.75f}, {17, 0.3f}, {18, 0.55f}, {20, 0.75f}, {22, 0.3f},  {23, 0.6f},  {24, 0.6f}, {25, 0.5625f}, {26, 0.5f},
    {27, 0.5f},  {28, 0.5f}, {29, 0.3f},  {30, 0.16f}, {31, 0.85f}, {32, 0.55f}, {33, 0.7f}, {34, 0.8f},    {35, 0.8f},
    {36, 0.5f},  {37, 0.4f}, {38, 0.75f}, {39, 0.5f},  {40, 0.05f}, {41, 1.0f},  {42, 0.5f}, {43, 0.5f},    {45, 0.4f},
    {46, 0.5f},  {47, 0.4f}, {93, 0.3f},  {94, 0.4f},  {96, 0.6f},  {97, 0.5f},
};

void run(benchmark::State& state, const Settings& settings, const std::vector<int>& keys)
{
    BenchHost host(true); // transport running, as in a playing host
    Engine engine(host);
    engine.setSampleRate(kBenchRate);
    for (int i = 51; i <= 62; ++i)
        engine.setParameter(i, 0.5f);
    for (int i = 63; i <= 86; ++i)
        engine.setParameter(i, 1.0f);
    for (const auto& [i, v] : settings)
        engine.setParameter(i, v);
    engine.applyReleaseToFreeVoices();
    measureEngine(state, engine, keys, kBenchRate / kBenchBlock); // strike again every second
}

void BM_EffectsFullChainChord8(benchmark::State& state) { run(state, kFullChain, {48, 52, 55, 60, 64, 67, 72, 76}); }

void BM_EffectsFullChainAll88Keys(benchmark::State& state) { run(state, kFullChain, allKeys()); }

void BM_EffectsNoiseModeAll88Keys(benchmark::State& state)
{
    Settings noise = kFullChain;
    noise.push_back({22, 1.0f}); // NOISE mode
    noise.push_back({14, 0.5f});
    noise.push_back({15, 0.9f});
    run(state, noise, allKeys());
}

void BM_EffectsSand100GrainsChord8(benchmark::State& state)
{
    Settings sand = kFullChain;
    sand.push_back({87, 1.0f}); // 100 grains
    sand.push_back({89, 0.75f});
    sand.push_back({90, 1.0f});
    sand.push_back({91, 0.9f});
    sand.push_back({92, 0.85f});
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
