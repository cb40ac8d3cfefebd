#!/usr/bin/env bash
# Runs the README as a reader would, so that none of its commands goes stale.
#
# The convention: every line of a ```sh block is one command (a line ending in
# "\" goes on on the next; blank lines and lines starting with # are not
# commands). They run in order, in one shell, with HOME a fresh empty folder,
# each block starting in the top folder of the clone (a block may cd
# elsewhere, as a reader would). The first command that fails, or whose
# output is missing or wrong, fails the check and is named.
#
# Not run here: the indented commands at the very top of the README
# (scripts/demo.sh and scripts/test.sh) install Debian packages and build
# everything, and CI runs them itself; this script only makes sure they are
# still the README's first lines and that .ci/run still runs them.
#
#     bash scripts/check-readme.sh
# VANT_README_KEEP=1 keeps the fresh HOME (and the last command's output) for a look afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
readme=$repo/README.md

fail() {
  echo "check-readme: $*" >&2
  exit 1
}

# --- the commands CI runs: first in the README and in .ci/run -----------------
top=()
while IFS= read -r line; do
  case "$line" in
    "    "*) ;;
    *) break ;;
  esac
  cmd=${line#"${line%%[! ]*}"} # without the leading blanks,
  cmd=${cmd%%#*}               # the comment
  cmd=${cmd%"${cmd##*[! ]}"}   # and the blanks before it
  top+=("$cmd")
done <"$readme"
[ "${top[0]:-}" = "bash scripts/demo.sh" ] || fail "README.md must start with the line 'bash scripts/demo.sh' (found '${top[0]:-}')"
[ "${top[1]:-}" = "bash scripts/test.sh" ] || fail "README.md's second line must be 'bash scripts/test.sh' (found '${top[1]:-}')"
for cmd in "${top[@]}"; do
  grep -qxF "$cmd" .ci/run || fail "'$cmd' heads the README, so .ci/run must run it, and it does not"
done

# --- the factory bank as the README lists it -----------------------------------
# Every program of the bank source, as "| N | Name |" in the README's table.
programs=0
while IFS=$'\t' read -r number name; do
  programs=$((programs + 1))
  grep -qF "| $number | $name |" "$readme" ||
    fail "the README's factory table lacks program $number \"$name\" of presets/factory/Factory.txt"
done < <(sed -n 's/^\[\([0-9]*\)\] \(.*\)$/\1\t\2/p' presets/factory/Factory.txt)
[ "$programs" -gt 0 ] || fail "no programs found in presets/factory/Factory.txt"
grep -qF "$programs programs" "$readme" ||
  fail "the README does not say the factory bank has $programs programs, as presets/factory/Factory.txt does"

# --- the commands of the ```sh blocks ---------------------------------------------
# One record per command: "block<TAB>command".
mapfile -t records < <(awk '
  /^```/ { if (inblock) { inblock = 0; next } if ($0 == "```sh") { inblock = 1; block++; next } }
  !inblock { next }
  { line = $0; sub(/^[ \t]+/, "", line) }
  pending != "" { line = pending " " line; pending = "" }
  line ~ /\\$/ { sub(/[ \t]*\\$/, "", line); pending = line; next }
  line == "" || line ~ /^#/ { next }
  { print block "\t" line }
' "$readme")
[ ${#records[@]} -gt 0 ] || fail "no \`\`\`sh blocks in README.md"

scratch=$(mktemp -d)
untracked_before=$(git ls-files --others --exclude-standard 2>/dev/null | sort || true)
cleanup() {
  # Files the commands left in the clone that git would show (callgrind
  # output, a render written beside the sources) go again.
  if [ -d "$repo/.git" ] || [ -f "$repo/.git" ]; then
    comm -13 <(echo "$untracked_before") <(cd "$repo" && git ls-files --others --exclude-standard | sort) |
      while IFS= read -r stray; do
        if [ -n "$stray" ]; then rm -f "$repo/$stray"; fi
      done
  fi
  if [ "${VANT_README_KEEP:-}" = 1 ]; then
    echo "check-readme: kept $scratch"
  else
    rm -rf "$scratch"
  fi
}
trap cleanup EXIT

# The README's commands start from a built tree (as after scripts/test.sh).
bash scripts/build.sh build >"$scratch/build.log" 2>&1 || {
  tail -n 30 "$scratch/build.log" >&2
  fail "bash scripts/build.sh build failed"
}

# The reader's shell: a home of its own, nothing installed, no VST folders
# named, no module picked by hand.
mkdir -p "$scratch/home"
export HOME=$scratch/home
unset LXVST_PATH VST_PATH VANTOREL_MODULE PREFIX DESTDIR

# --- what the commands must leave behind -------------------------------------------
hex4() { head -c 4 "$1" | od -An -tx1 | tr -d ' \n'; }
be32() { od -An -tu4 --endian=big -j "$2" -N 4 "$1" | tr -d ' '; }

check_output() {
  local file=$1 snapshot=$2 want
  [ -s "$file" ] || { why="it wrote no $file (or an empty one)"; return 1; }
  case "$file" in
    *.png) want=89504e47 ;;
    *.flac) want=664c6143 ;;
    *.wav) want=52494646 ;;
    *.ogg) want=4f676753 ;;
    *) return 0 ;;
  esac
  [ "$(hex4 "$file")" = "$want" ] || { why="$file is not a ${file##*.} file"; return 1; }
  if [ "$snapshot" = 1 ]; then
    local size
    size="$(be32 "$file" 16)x$(be32 "$file" 20)"
    [ "$size" = 1024x480 ] || { why="$file is $size, not the editor's 1024x480"; return 1; }
  fi
}

installed_folder=$HOME/.vst/Vantorel
check_installed() {
  local f
  for f in "$installed_folder/Vantorel.so" "$installed_folder/presets/Factory.vnb" "$installed_folder/install-manifest.txt"; do
    [ -s "$f" ] || { why="no $f after the install"; return 1; }
  done
  [ -x "$HOME/.local/bin/vantorel" ] || { why="no $HOME/.local/bin/vantorel after the install"; return 1; }
  local count
  count=$(find "$installed_folder/presets" -name '*.vnp' | wc -l)
  [ "$count" -eq "$programs" ] || { why="$count program files installed, the bank has $programs"; return 1; }
  # The module, the tool, the bank and each program file: what the uninstall removes.
  count=$(wc -l <"$installed_folder/install-manifest.txt")
  [ "$count" -eq $((programs + 3)) ] || { why="install-manifest.txt lists $count files, not $((programs + 3))"; return 1; }
}

check_uninstalled() {
  [ ! -e "$installed_folder" ] || { why="$installed_folder is still there"; return 1; }
  [ ! -e "$HOME/.local/bin/vantorel" ] || { why="$HOME/.local/bin/vantorel is still there"; return 1; }
}

check_factory_page() {
  local page=$repo/build/factory/index.md count
  [ -s "$page" ] || { why="no $page"; return 1; }
  count=$(grep -c '^### ' "$page")
  [ "$count" -eq "$programs" ] || { why="$page shows $count programs, not $programs"; return 1; }
  count=$(find "$repo/build/factory" -name '*.png' -size +0 | wc -l)
  [ "$count" -eq "$programs" ] || { why="$count spectrograms beside $page, not $programs"; return 1; }
}

rendered_elsewhere=0
# Checks what a command that succeeded should have made; says why not in $why.
why=""
check_after() {
  local cmd=$1
  case "$cmd" in
    "bash scripts/install.sh"* | "cmake --install"*) check_installed || return 1 ;;
    "bash scripts/uninstall.sh"*) check_uninstalled || return 1 ;;
    "bash scripts/render-factory.sh"*) check_factory_page || return 1 ;;
  esac
  # --out FILE: read the words as the shell does, for simple commands only.
  case "$cmd" in
    *'$('* | *'`'* | *'|'* | *'&'* | *';'* | *'>'* | *'<'*) return 0 ;;
    *"--out "*) ;;
    *) return 0 ;;
  esac
  local words out="" snapshot=0 i
  # The closing parenthesis on a line of its own: a trailing comment ends before it.
  eval "words=( $cmd"$'\n'")"
  for ((i = 0; i < ${#words[@]}; i++)); do
    [ "${words[i]}" = --out ] && out=${words[i + 1]:-}
    [ "${words[i]}" = snapshot ] && snapshot=1
    [ "${words[i]}" = --scale ] && snapshot=0
  done
  [ -n "$out" ] || return 0
  check_output "$out" "$snapshot" || return 1
  # The installed tool renders from a folder outside the clone.
  if [ "${words[0]}" = vantorel ] && [ "${words[1]:-}" = render ]; then
    case "$PWD/" in
      "$repo"/*) ;;
      *) [ "$(command -v vantorel)" = "$HOME/.local/bin/vantorel" ] && rendered_elsewhere=1 ;;
    esac
  fi
}

# --- run them -----------------------------------------------------------------------
log=$scratch/command.log
block=0
ran=0
for record in "${records[@]}"; do
  this_block=${record%%$'\t'*}
  cmd=${record#*$'\t'}
  if [ "$this_block" != "$block" ]; then
    block=$this_block
    cd "$repo"
  fi
  # A reader's shell stops at nothing and knows no unset-variable rule.
  set +e +u +o pipefail
  eval "$cmd" </dev/null >"$log" 2>&1
  status=$?
  set -euo pipefail
  if [ "$status" -ne 0 ]; then
    tail -n 30 "$log" >&2
    fail "README block $block: '$cmd' failed (exit $status), run in $PWD"
  fi
  if ! check_after "$cmd"; then
    tail -n 30 "$log" >&2
    fail "README block $block: '$cmd' ran, but $why"
  fi
  echo "ok  $cmd"
  ran=$((ran + 1))
done
[ "$rendered_elsewhere" = 1 ] ||
  fail "the README no longer shows the installed 'vantorel render ... --out FILE' working from a folder outside the clone"
# The golden hashes are recorded on purpose only, but the recording must keep
# working: from the engine as it is, it writes back exactly what is stored.
cd "$repo"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1 && git diff --quiet -- tests/engine/golden; then
  bash scripts/golden-record.sh >"$log" 2>&1 || { tail -n 30 "$log" >&2; fail "'bash scripts/golden-record.sh' failed"; }
  git diff --quiet -- tests/engine/golden ||
    fail "'bash scripts/golden-record.sh' recorded other hashes than tests/engine/golden/ holds"
  echo "ok  bash scripts/golden-record.sh (the stored hashes recorded again, unchanged)"
  ran=$((ran + 1))
fi
echo "check-readme: all $ran commands of README.md ran and made what they should"
