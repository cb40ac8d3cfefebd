#!/usr/bin/env bash
# Installs every Debian package the build, the tools and the tests need,
# zenity, which the editor's file dialogs run, and valgrind, which the
# README's profiling command runs. clang and its runtime libraries build the
# fuzz targets (libFuzzer, with the sanitizers).
# Safe to run again: apt-get skips what is already there.
set -euo pipefail
PKGS=(
  build-essential cmake pkg-config git
  libcairo2-dev libx11-dev libxtst-dev libfontconfig1-dev
  fonts-liberation fonts-liberation2 fontconfig
  libsndfile1-dev libsmf-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  xvfb xauth
  zenity
  clang-format
  clang libclang-rt-14-dev
  sox
  valgrind
)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
