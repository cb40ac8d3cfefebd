// Realtime factor of the engine (seconds of audio per CPU second) at 48 kHz,
// block 512: asleep, one key ringing, an 8-key chord, all 88 keys ringing.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/Engine.h"

namespace {

constexpr int kRate = 48000;
constexpr int kBlock = 512;

class QuietHost : public EngineHost {
public:
    bool readHostTime(float& tempo, float& position) override
    {
        tempo = 120.0f;
        position = 0.0f;
        return true;
    }
    void flashMidiSignal(bool) override {}
    void reportBroken() override {}
};

// The default program's values for what shapes the cost: spring B, body, phaser, filters.
void applyDefaults(Engine& e)
{
    std::vector<float> p(111, 0.0f);
    const std::pair<int, float> values[] = {
        {0, 1.0f},    {1, 0.5f},    {6, 0.5f},    {7, 0.9f},    {8, 0.25f},   {9, 0.5f},     {10, 0.5f},
        {13, 0.5f},   {15, 1.0f},   {16, 0.75f},  {18, 0.5f},   {20, 0.75f},  {24, 0.2f},    {25, 0.5625f},
        {26, 0.25f},  {28, 0.5f},   {30, 0.1640625f}, {31, 0.84375f}, {32, 0.55f}, {33, 0.5f}, {34, 0.5f},
        {35, 0.33f},  {37, 0.15f},  {38, 0.75f},  {39, 0.5f},   {41, 1.0f},   {42, 0.5f},    {43, 0.5f},
        {44, 1.0f / 6.0f}, {45, 0.4f}, {46, 0.125f}, {89, 0.75f}, {90, 1.0f}, {91, 0.9f},   {92, 0.85f},
        {93, 0.25f},  {94, 0.25f},  {96, 0.25f},  {101, 0.25f}, {106, 0.25f},
    };
    for (const auto& [i, v] : values) p[static_cast<size_t>(i)] = v;
    for (int i = 51; i <= 62; ++i) p[static_cast<size_t>(i)] = 0.5f;
    for (int i = 63; i <= 86; ++i) p[static_cast<size_t>(i)] = 1.0f;
    for (int i = 0; i < 110; ++i) e.setParameter(i, p[static_cast<size_t>(i)]);
    e.applyReleaseToFreeVoices();
}

void strike(Engine& e, const std::vector<int>& keys)
{
    std::vector<MidiMessage> m;
    for (int k : keys) m.push_back({0, {0x90, static_cast<uint8_t>(k), 100}});
    e.processMidi(m.data(), static_cast<int>(m.size()));
}

void runEngine(benchmark::State& state, const std::vector<int>& keys)
{
    QuietHost host;
    Engine engine(host);
    engine.setSampleRate(kRate);
    applyDefaults(engine);
    std::vector<float> left(kBlock), right(kBlock);
    strike(engine, keys);
    engine.process(left.data(), right.data(), kBlock);
    int blocks = 0;
    for (auto _ : state) {
        // Re-strike every two seconds so the keys keep ringing at full strength.
        if (++blocks % (2 * kRate / kBlock) == 0) strike(engine, keys);
        engine.process(left.data(), right.data(), kBlock);
        benchmark::DoNotOptimize(left.data());
        benchmark::ClobberMemory();
    }
    const double seconds = static_cast<double>(state.iterations()) * kBlock / kRate;
    state.counters["realtime"] = benchmark::Counter(seconds, benchmark::Counter::kIsRate);
}

void BM_EngineAsleep(benchmark::State& state) { runEngine(state, {}); }
void BM_EngineOneKey(benchmark::State& state) { runEngine(state, {60}); }
void BM_EngineChord8(benchmark::State& state) { runEngine(state, {48, 52, 55, 60, 64, 67, 72, 76}); }
void BM_EngineAll88Keys(benchmark::State& state)
{
    std::vector<int> keys;
    for (int k = 21; k <= 108; ++k) keys.push_back(k);
    runEngine(state, keys);
}

BENCHMARK(BM_EngineAsleep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EngineOneKey)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EngineChord8)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EngineAll88Keys)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
