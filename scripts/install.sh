#!/usr/bin/env bash
# Installs Vantorel for the current user: the module and its factory presets
# into ~/.vst/Vantorel (or the first folder of $LXVST_PATH, else of $VST_PATH),
# the vantorel tool into ~/.local/bin (or $PREFIX/bin). Installs what is
# missing and builds first, unless --no-build is given.
#
#     bash scripts/install.sh [--no-build] [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=1
if [ "${1:-}" = "--no-build" ]; then
  build=0
  shift
fi
dir=${1:-build}
if [ "$build" = 1 ]; then
  bash scripts/install-deps.sh
  bash scripts/build.sh "$dir"
fi
prefix=${PREFIX:-$HOME/.local}
cmake --install "$dir" --prefix "$prefix"
case ":$PATH:" in
  *":$prefix/bin:"*) ;;
  *) echo "Note: $prefix/bin is not on your PATH; add it to run vantorel by name." ;;
esac
