#!/usr/bin/env bash
# Runs one fuzz target for a number of seconds:
#     bash scripts/fuzz.sh TARGET SECONDS [libFuzzer options...]
# TARGET is one of chunk, preset_files, midi, parameters, browser (a folder of
# tests/fuzz/corpus/). Builds build-fuzz/ with clang first. The seeds stay as
# they are; what the run adds to the corpus goes to build-fuzz/corpus/TARGET/,
# an input that breaks an invariant to build-fuzz/artifacts/TARGET/ (copy it
# into tests/fuzz/regressions/TARGET/ once it is mended, and it replays in the
# test suite). Each run's execution count is added to build-fuzz/executions.log.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?usage: fuzz.sh TARGET SECONDS [options]}
seconds=${2:?usage: fuzz.sh TARGET SECONDS [options]}
shift 2
[ -d "tests/fuzz/corpus/$target" ] || { echo "no fuzz target '$target' (tests/fuzz/corpus/ has: $(ls tests/fuzz/corpus | tr '\n' ' '))" >&2; exit 2; }

dir=build-fuzz
if [ ! -f "$dir/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANT_WERROR=ON \
    -DVANT_FUZZ=ON -DVANT_TESTS=OFF -DVANT_BENCH=OFF >/dev/null
fi
cmake --build "$dir" -j"$(nproc)" --target "fuzz_$target"

corpus="$dir/corpus/$target"
artifacts="$dir/artifacts/$target"
mkdir -p "$corpus" "$artifacts"
log="$dir/logs/$target-$(date +%Y%m%d-%H%M%S).log"
mkdir -p "$dir/logs"
# Files written by a target go to memory where there is a tmpfs for it.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
# Leaks are checked by the test suite's own sanitizer pass; here they would
# only slow every execution down.
set +e
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  "$dir/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
  -print_final_stats=1 -artifact_prefix="$artifacts/" "$@" "$corpus" "tests/fuzz/corpus/$target" 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
set -e
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
echo "$(date -u +%FT%TZ) $target ${runs:-0} executions in ${seconds}s, exit $status" >>"$dir/executions.log"
echo "fuzz $target: ${runs:-0} executions in ${seconds}s (exit $status)"
exit "$status"
