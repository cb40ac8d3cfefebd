// Realtime factor of the engine (seconds of audio per CPU second) at 48 kHz,
// block 512, on the default program: asleep, one key ringing, an 8-key chord,
// all 88 keys ringing.
#include "bench/engine/BenchEngine.h"
#include "tests/engine/EngineFixture.h"

namespace {

void runEngine(benchmark::State& state, const std::vector<int>& keys)
{
    BenchHost host;
    Engine engine(host);
    engine.setSampleRate(kBenchRate);
    applyProgram(engine, defaultProgram());
    // Re-strike every two seconds so the keys keep ringing at full strength.
    measureEngine(state, engine, keys, 2 * kBenchRate / kBenchBlock);
}

void BM_EngineAsleep(benchmark::State& state) { runEngine(state, {}); }
void BM_EngineOneKey(benchmark::State& state) { runEngine(state, {60}); }
void BM_EngineChord8(benchmark::State& state) { runEngine(state, {48, 52, 55, 60, 64, 67, 72, 76}); }
void BM_EngineAll88Keys(benchmark::State& state) { runEngine(state, allKeys()); }

BENCHMARK(BM_EngineAsleep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EngineOneKey)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EngineChord8)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EngineAll88Keys)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
