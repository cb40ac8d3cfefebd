#!/usr/bin/env bash
# Removes what scripts/install.sh (or cmake --install) installed, as listed in
# <VST folder>/Vantorel/install-manifest.txt: the module, the factory presets
# and the vantorel tool. A listed file that changed since it was installed is
# kept, and so is anything else in the folder (your own presets); the folders
# go only once they are empty.
#
#     bash scripts/uninstall.sh [VST_FOLDER]
# The VST folder defaults to the one the install chose: the first folder of
# $LXVST_PATH, else of $VST_PATH, else ~/.vst.
set -euo pipefail
first_folder() {
  local IFS=:
  for f in $1; do
    if [ -n "$f" ]; then
      echo "$f"
      return
    fi
  done
}
vst=${1:-$(first_folder "${LXVST_PATH:-}")}
vst=${vst:-$(first_folder "${VST_PATH:-}")}
vst=${vst:-$HOME/.vst}
dest="$vst/Vantorel"
manifest="$dest/install-manifest.txt"
if [ ! -f "$manifest" ]; then
  echo "uninstall: nothing installed in $dest (no install-manifest.txt)" >&2
  exit 1
fi
while IFS= read -r line; do
  hash=${line%%  *}
  path=${line#*  }
  [ -n "$path" ] || continue
  if [ ! -e "$path" ]; then
    continue
  fi
  if [ "$(sha256sum "$path" | cut -d' ' -f1)" = "$hash" ]; then
    rm -f "$path"
    echo "Removed: $path"
  else
    echo "Kept (changed since it was installed): $path"
  fi
done <"$manifest"
rm -f "$manifest"
rmdir "$dest/presets" 2>/dev/null || true
rmdir "$dest" 2>/dev/null || echo "Kept: $dest (it holds files of your own)"
