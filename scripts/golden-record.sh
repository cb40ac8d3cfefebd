#!/usr/bin/env bash
# Records the golden output hashes (tests/engine/golden/) from the engine as it
# is now. Only on purpose: the commit that changes them says why.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh build
VANT_GOLDEN_RECORD=1 VANT_MODULE_PATH="$PWD/build/plugin/Vantorel.so" \
  build/tests/engine/engine_tests --gtest_filter='Scenarios/GoldenOutput.*'
git status --short tests/engine/golden
