#!/usr/bin/env bash
# Makes the editor's reference pictures anew (tests/editor/reference) and the
# README's picture (docs/editor.png), from the built module. Run it on purpose,
# after a change to the look, and look at every picture before committing.
set -euo pipefail
cd "$(dirname "$0")/.."
tool=build/tools/vantorel
[ -x "$tool" ] || bash scripts/build.sh build
mkdir -p tests/editor/reference docs
"$tool" snapshot --out tests/editor/reference/closed.png
for page in presets microtuning modulation effects; do
  "$tool" snapshot --page "$page" --out "tests/editor/reference/$page.png"
done
# The preset browser over a folder of banks and programs.
"$tool" snapshot --page presets --presets tests/editor/reference/presets-folder \
  --out tests/editor/reference/presets-browser.png
"$tool" snapshot --scale 0.5 --out docs/editor.png
