#!/usr/bin/env bash
# Start-up benchmark under Wine: time from process start to the window shown, quorva.exe against
# a bare Win32 program, and the size of quorva.exe; the time /now takes to put its answer into the
# stand-in editor against the start-up of a window with the same 13 controls. Prints figures.
# Usage: bench-startup.sh [RUNS]
# QUORVA_BUILD chooses the build folder (default build/windows).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${QUORVA_BUILD:-build/windows}
cmake --preset windows -B "$build" >/dev/null
cmake --build "$build" --target startup-bench >/dev/null
export QUORVA_WINEPREFIX=$PWD/$build/wineprefix
scripts/with-xvfb.sh "$build/wine-run.sh" "$build/tools/bench/startup-bench.exe" "${1:-31}" | iconv -f cp932 -t utf-8
