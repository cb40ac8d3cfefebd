#!/usr/bin/env bash
# Cross-builds Vantorel.dll for 64-bit Windows (and its test host,
# windows_tests.exe) into build-win/, or the folder given as $1 with extra
# CMake options after it. Installs the MinGW-w64 toolchain, Wine and what
# the test host needs when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
# Wine draws Arial and Times New Roman with their metric twins, the Liberation fonts.
PKGS=(g++-mingw-w64-x86-64-posix wine64 wine cmake make libgtest-dev xvfb xauth fonts-liberation2)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y "${missing[@]}"
fi
dir=${1:-build-win}; shift || true
cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANT_WERROR=ON "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
