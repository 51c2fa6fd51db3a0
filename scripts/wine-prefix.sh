#!/usr/bin/env bash
# Prepares a Wine prefix as a Japanese Windows: fonts for the Japanese face names, and no window
# manager stalls on Xvfb. Idempotent and safe to call from parallel tests (a lock guards it).
set -euo pipefail
prefix=${1:?usage: wine-prefix.sh PREFIX}
mkdir -p "$prefix"
[ -f "$prefix/.quorva-ready" ] && exit 0

exec 9>"$prefix.lock"
flock 9
[ -f "$prefix/.quorva-ready" ] && exit 0

export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
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
touch "$prefix/.quorva-ready"
