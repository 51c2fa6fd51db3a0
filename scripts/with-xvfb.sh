#!/usr/bin/env bash
# Runs a command with an Xvfb display (unless QUORVA_USE_DISPLAY=1 and a display exists), and
# stops Wine's server before the display goes away. Xvfb picks a free display itself
# (-displayfd), so parallel runs cannot collide; a server that never starts is an error.
set -uo pipefail
if [ "${QUORVA_USE_DISPLAY:-0}" = 1 ] && [ -n "${DISPLAY:-}" ]; then
  "$@"; exit $?
fi
fifo=$(mktemp -u /tmp/quorva-xvfb.XXXXXX)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
n=""
read -r -t 20 n <"$fifo"
rm -f "$fifo"
if [ -z "$n" ] || ! kill -0 "$xvfb" 2>/dev/null; then
  echo "with-xvfb: Xvfb did not start within 20 s" >&2
  kill "$xvfb" 2>/dev/null
  exit 1
fi
export DISPLAY=":$n"
"$@"
rc=$?
[ -n "${QUORVA_WINEPREFIX:-}" ] && WINEPREFIX=$QUORVA_WINEPREFIX wineserver -k 2>/dev/null
kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null
exit $rc
