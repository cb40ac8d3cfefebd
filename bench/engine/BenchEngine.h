#pragma once

// What both engine benchmark programs share: a host at 120 BPM, the keys of the
// piano, and the realtime-factor loop over blocks of 512 at 48 kHz.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "engine/Engine.h"

constexpr int kBenchRate = 48000;
constexpr int kBenchBlock = 512;

class BenchHost : public EngineHost
{
public:
    explicit BenchHost(bool transportRunning = false) : running_(transportRunning) {}
    bool readHostTime(float& tempo, float& position) override
    {
        tempo = 120.0f;
        if (running_)
            song_ += kBenchBlock / 24000.0f;
        position = song_;
        return true;
    }

private:
    bool running_;
    float song_ = 0.0f;
};

inline std::vector<int> allKeys()
{
    std::vector<int> keys;
    for (int k = 21; k <= 108; ++k)
        keys.push_back(k);
    return keys;
}

// Seconds of audio per CPU second, one block per benchmark iteration.
inline void reportRealtime(benchmark::State& state)
{
    const double seconds = static_cast<double>(state.iterations()) * kBenchBlock / kBenchRate;
    state.counters["realtime"] = benchmark::Counter(seconds, benchmark::Counter::kIsRate);
}

// Renders blocks for as long as the benchmark asks, striking `keys` at once and
// again every `restrikeBlocks` blocks so they keep sounding.
inline void measureEngine(benchmark::State& state, Engine& engine, const std::vector<int>& keys, int restrikeBlocks)
{
    std::vector<MidiMessage> notes;
    for (int k : keys)
        notes.push_back({0, {0x90, static_cast<uint8_t>(k), 100}});
    std::vector<float> left(kBenchBlock), right(kBenchBlock);
    int blocks = 0;
    for (auto _ : state)
    {
        if (blocks++ % restrikeBlocks == 0)
            engine.processMidi(notes.data(), static_cast<int>(notes.size()));
        engine.process(left.data(), right.data(), kBenchBlock);
        benchmark::DoNotOptimize(left.data());
        benchmark::ClobberMemory();
    }
    reportRealtime(state);
}
