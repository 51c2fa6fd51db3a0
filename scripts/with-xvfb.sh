#!/usr/bin/env bash
# Runs a command with an Xvfb display (unless QUORVA_USE_DISPLAY=1 and a display exists), and
# stops Wine's server before the display goes away.
set -uo pipefail
if [ "${QUORVA_USE_DISPLAY:-0}" = 1 ] && [ -n "${DISPLAY:-}" ]; then
  "$@"; exit $?
fi
n=90
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
export DISPLAY=":$n"
"$@"
rc=$?
[ -n "${QUORVA_WINEPREFIX:-}" ] && WINEPREFIX=$QUORVA_WINEPREFIX wineserver -k 2>/dev/null
kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null
exit $rc
