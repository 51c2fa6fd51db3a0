#!/usr/bin/env bash
# scripts/wine-prefix.sh against stand-ins for wine and wineserver: a prefix is made once, kept
# while the recipe stays the same, and made anew when the recipe changes.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
cat >"$work/bin/wine" <<'STUB'
#!/bin/sh
echo "wine $*" >>"$LOG"
[ "$1" = wineboot ] && mkdir -p "$WINEPREFIX/drive_c" && touch "$WINEPREFIX/system.reg"
exit 0
STUB
printf '#!/bin/sh\necho "wineserver $*" >>"$LOG"\n' >"$work/bin/wineserver"
chmod +x "$work/bin"/*
cp "$root/scripts/wine-prefix.sh" "$work/recipe.sh"
export PATH="$work/bin:$PATH" LOG="$work/log"
prefix=$work/prefix

boots() { grep -c "^wine wineboot" "$LOG" || true; }
fail=0
check() {  # what, boots wanted
  local got
  got=$(boots)
  if [ "$got" = "$2" ]; then echo "ok   $1"; else echo "FAIL $1: $got boots, want $2"; fail=1; fi
}

: >"$LOG"
bash "$work/recipe.sh" "$prefix"
check "a new prefix is made" 1
grep -q "wine regedit" "$LOG" || { echo "FAIL the registry recipe was not applied"; fail=1; }

touch "$prefix/user-file"
bash "$work/recipe.sh" "$prefix"
check "the same recipe keeps the prefix" 1
[ -e "$prefix/user-file" ] || { echo "FAIL the prefix was remade for the same recipe"; fail=1; }

sed -i 's/^"Tahoma"="IPAPGothic"$/&\n"Arial"="IPAPGothic"/' "$work/recipe.sh"
grep -q '"Arial"' "$work/recipe.sh" || { echo "FAIL the test could not change the recipe"; exit 1; }
bash "$work/recipe.sh" "$prefix" 2>/dev/null
check "a changed registry block makes it anew" 2
[ ! -e "$prefix/user-file" ] || { echo "FAIL the old prefix is still there"; fail=1; }
grep -q "wineserver -k" "$LOG" || { echo "FAIL the old prefix's server was not stopped"; fail=1; }
exit $fail
