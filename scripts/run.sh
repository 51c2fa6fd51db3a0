#!/usr/bin/env bash
# The main command: builds quorva.exe and the stand-in editor and runs them under Wine as a
# Japanese Windows. With a display, both open on it and you use Quorva yourself; without one, a
# scripted demo runs on a virtual display, saves screenshots and prints what the editor received.
# QUORVA_BUILD chooses the build folder (default build/windows).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${QUORVA_BUILD:-build/windows}
cmake --preset windows -B "$build" >/dev/null
cmake --build "$build" --target quorva quorva-editor quorva-demo >/dev/null
export QUORVA_WINEPREFIX=$PWD/$build/wineprefix
demo=("$build/wine-run.sh" "$build/tests/harness/demo/quorva-demo.exe")
winpath() { printf 'Z:%s' "$(realpath "$1")" | tr / '\\'; }

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "run: opening the editor and Quorva on $DISPLAY. Type an expression in Quorva, press Enter,"
  echo "     then click its editor button (or copy). Close the editor window to finish."
  QUORVA_USE_DISPLAY=1 scripts/with-xvfb.sh "${demo[@]}" | iconv -f cp932 -t utf-8
else
  out=$build/demo
  rm -rf "$out" && mkdir -p "$out"
  echo "run: no display; scripted demo on a virtual display: (1+2)*3, Enter, the editor button"
  scripts/with-xvfb.sh "${demo[@]}" --scripted "$(winpath "$out")" | iconv -f cp932 -t utf-8
  for f in "$out"/*.bmp; do convert "$f" "${f%.bmp}.png" && rm -f "$f"; done
  echo "run: screenshots in $out:"
  ls "$out"/*.png
fi
