#!/usr/bin/env bash
# scripts/setup.sh against stand-ins for dpkg-query, apt-get, sudo and locale: it waits while
# another installation holds apt's lock, and gives up with a message after its time limit.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"

# One package is missing; the locale is there.
cat >"$work/bin/dpkg-query" <<'STUB'
#!/bin/sh
[ "$3" = cmake ] && exit 1
printf 'install ok installed'
STUB
printf '#!/bin/sh\necho ja_JP.utf8\n' >"$work/bin/locale"
printf '#!/bin/sh\nexec "$@"\n' >"$work/bin/sudo"
# apt-get: locked for the first $LOCKED calls, then it works ("broken": another error). Every
# call is logged.
cat >"$work/bin/apt-get" <<'STUB'
#!/bin/sh
n=$(($(wc -l <"$WORK/calls") + 1))
echo "$*" >>"$WORK/calls"
if [ "$LOCKED" = broken ]; then
  echo "E: Unable to locate package cmake" >&2
  exit 100
fi
if [ "$n" -le "$LOCKED" ]; then
  echo "E: Could not get lock /var/lib/dpkg/lock-frontend. It is held by process 4242 (apt-get)" >&2
  exit 100
fi
[ "$DEBIAN_FRONTEND" = noninteractive ] || { echo "apt-get: not noninteractive" >&2; exit 1; }
STUB
chmod +x "$work/bin"/*

fail=0
# name | calls for which apt is locked | time limit (s) | expected exit | expected text in the output
while IFS='|' read -r name locked limit want_rc want_text; do
  : >"$work/calls"
  rc=0
  out=$(PATH="$work/bin:$PATH" WORK="$work" LOCKED="$locked" QUORVA_APT_WAIT="$limit" QUORVA_APT_POLL=0 \
        bash "$root/scripts/setup.sh" 2>&1) || rc=$?
  calls=$(wc -l <"$work/calls")
  if [ "$rc" != "$want_rc" ] || ! grep -q "$want_text" <<<"$out"; then
    echo "FAIL $name: exit $rc (want $want_rc), $calls apt-get calls, output:"; echo "$out"; fail=1
  else
    echo "ok   $name ($calls apt-get calls)"
  fi
done <<'CASES'
not locked|0|60|0|setup: installing cmake
locked for a while, then free|3|60|0|waiting for it
still locked at the time limit|1000|0|1|still locked by another installation
another error is not waited for|broken|60|1|Unable to locate package
CASES
exit $fail
