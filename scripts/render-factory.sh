#!/usr/bin/env bash
# The listening page of the factory bank: every program plays the same short
# phrase (`vantorel render --phrase audition`) into build/factory/NN-name.wav,
# sox draws a spectrogram of each (0 to 12 kHz), and build/factory/index.md
# shows the name, description, level and picture of every program.
#
#     bash scripts/render-factory.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
tool=$dir/tools/vantorel
bank=$dir/presets/factory/Factory.vnb
list=$dir/presets/factory-programs.tsv
if [ ! -x "$tool" ] || [ ! -f "$bank" ] || [ ! -f "$list" ]; then
  bash scripts/build.sh "$dir"
fi
command -v sox >/dev/null || { echo "render-factory: sox is missing (bash scripts/install-deps.sh)" >&2; exit 1; }
out=$dir/factory
rm -rf "$out"
mkdir -p "$out"
index=$out/index.md
{
  echo "# The Vantorel factory bank"
  echo
  echo "Each program plays the same phrase: a rising line at four strengths, a low"
  echo "chord, and a held A bent up the whole pitch-bend range and back (120 BPM)."
  echo "Spectrograms run from 0 to 12 kHz over time; brighter is louder."
} >"$index"
group=
# Tabs become unit separators: read would merge empty tab-separated fields.
tail -n +2 "$list" | tr '\t' '\037' | while IFS=$'\037' read -r number slug grp name description file; do
  report=$("$tool" render --module "$dir/plugin/Vantorel.so" --bank "$bank" --program "$number" \
    --phrase audition --tail 3 --out "$out/$slug.wav" 2>&1)
  peak=$(sed -n 's/.*peak \([0-9.]*\).*/\1/p' <<<"$report")
  peak=$(awk -v p="$peak" 'BEGIN { if (p > 0) printf "%.1f dBFS", 20 * log(p) / log(10); else print "silent" }')
  sox -V1 "$out/$slug.wav" -n rate 24k remix - spectrogram -x 800 -y 200 -z 90 -t "$number $name" -c "" \
    -o "$out/$slug.png"
  if [ "$grp" != "$group" ]; then
    group=$grp
    printf '\n## %s\n' "$group" >>"$index"
  fi
  printf '\n### %s %s\n\n%s\n\n![%s](%s.png)\n\n[%s.wav](%s.wav), peak %s; program file "%s"\n' \
    "$number" "$name" "$description" "$name" "$slug" "$slug" "$slug" "$peak" "$file" >>"$index"
done
echo "wrote $index"
