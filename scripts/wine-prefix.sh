#!/usr/bin/env bash
# Prepares a Wine prefix as a Japanese Windows: fonts for the Japanese face names, and no window
# manager stalls on Xvfb. Idempotent and safe to call from parallel tests (a lock guards it).
# The ready-marker holds a hash of this script: a prefix made by another recipe is made anew.
set -euo pipefail
prefix=${1:?usage: wine-prefix.sh PREFIX}
marker=$prefix/.quorva-ready
recipe=$(sha256sum "${BASH_SOURCE[0]}" | cut -d' ' -f1)
mkdir -p "$prefix"
[ "$(cat "$marker" 2>/dev/null)" = "$recipe" ] && exit 0

exec 9>"$prefix.lock"
flock 9
[ "$(cat "$marker" 2>/dev/null)" = "$recipe" ] && exit 0

export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
if [ -e "$prefix/system.reg" ]; then
  echo "wine-prefix: the recipe changed; making $prefix anew" >&2
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  rm -rf "$prefix"
  mkdir -p "$prefix"
fi
wine wineboot -i </dev/null >/dev/null 2>&1

reg=$(mktemp)
cat >"$reg" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS PGothic"="IPAPGothic"
"MS Gothic"="IPAGothic"
"MS UI Gothic"="IPAPGothic"
"MS Shell Dlg"="IPAPGothic"
"MS Shell Dlg 2"="IPAPGothic"
"Tahoma"="IPAPGothic"

; Caption buttons are drawn with Marlett (Debian's fonts-wine), which Wine does not find by itself.
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\Fonts]
"Marlett (TrueType)"="Z:\\usr\\share\\wine\\fonts\\marlett.ttf"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="Y"
REG
# regedit reads non-ASCII names correctly only from UTF-16LE with a BOM and CRLF line ends.
{ printf '\xff\xfe'; sed 's/$/\r/' "$reg" | iconv -f UTF-8 -t UTF-16LE; } >"$prefix/drive_c/quorva.reg"
rm -f "$reg"
wine regedit /S 'C:\quorva.reg' </dev/null >/dev/null 2>&1
wineserver -w
echo "$recipe" >"$marker"
