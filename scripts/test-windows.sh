#!/usr/bin/env bash
# Builds the Windows DLL and its test host (scripts/build-windows.sh) and runs
# the host under Wine: Vantorel.dll loaded through LoadLibraryW, its sound,
# chunks, files and golden output. Wine gets a prefix of its own under
# build-win/ and a virtual display from xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build-windows.sh build-win
export WINEPREFIX="$PWD/build-win/wineprefix" WINEDEBUG=-all
# No Mono or Gecko: nothing here needs .NET or a web view, and asking for
# them would stall a fresh prefix.
export WINEDLLOVERRIDES="mscoree=;mshtml="
wineboot -i >/dev/null 2>&1
# The server wineboot started has no display: it must be gone before the
# tests start one under xvfb-run, or their windows find no desktop.
wineserver -w
status=0
xvfb-run -a wine build-win/windows_tests.exe "$@" || status=$?
wineserver -k 2>/dev/null || true
exit $status
