#!/usr/bin/env bash
# Installs what is missing, builds, and renders the built-in demo through the built module to demo.wav.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build
./build/tools/vantorel render --out demo.wav
