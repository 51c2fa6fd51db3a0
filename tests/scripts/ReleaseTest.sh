#!/usr/bin/env bash
# The release is reproducible: the working tree copied into two unlike folders and packaged in
# each gives a byte-identical quorva.exe and zip; the zip holds what a user needs and its sums hold.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A clean tree: the files git knows or would take, as they are now (a deleted file is left out).
copy() {
  mkdir -p "$1"
  (cd "$root" && git ls-files -z -c -o --exclude-standard |
     while IFS= read -r -d '' f; do [ -f "$f" ] && printf '%s\0' "$f"; done |
     tar --null -T - -cf -) | tar -xf - -C "$1"
}
package() {
  copy "$1"
  (cd "$1" && SOURCE_DATE_EPOCH=1700000000 QUORVA_SKIP_SETUP=1 scripts/package.sh >"$work/log" 2>&1) ||
    { cat "$work/log"; echo "FAIL packaging in $1"; exit 1; }
}
package "$work/a"
package "$work/other/place-with-a-longer-name"
one=$(ls "$work/a/dist/")
two=$(ls "$work/other/place-with-a-longer-name/dist/")

fail=0
check() {  # what, command...
  local what=$1
  shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; fail=1; fi
}
exe=build/release/ui/quorva.exe
check "one zip named quorva-<version>-win64.zip" [ "$one" = "$two" ] && [[ "$one" =~ ^quorva-[0-9.]+-win64\.zip$ ]]
check "quorva.exe the same from both folders" cmp "$work/a/$exe" "$work/other/place-with-a-longer-name/$exe"
check "zip the same from both folders" cmp "$work/a/dist/$one" "$work/other/place-with-a-longer-name/dist/$two"
# The COFF header's TimeDateStamp, 8 bytes into the PE header.
stamp() { od -An -tu4 -j$(($(od -An -tu4 -j60 -N4 "$1") + 8)) -N4 "$1" | tr -d ' '; }
check "no time stamp in the PE header" [ "$(stamp "$work/a/$exe")" = 0 ]
sha256sum "$work/a/$exe" "$work/other/place-with-a-longer-name/$exe" | sed "s|$work/||"

mkdir "$work/user"
unzip -q "$work/a/dist/$one" -d "$work/user"
top=$work/user/${one%-win64.zip}
listing=$(cd "$work/user" && find . -type f -printf '%P\n' | LC_ALL=C sort | tr '\n' ' ')
echo "zip: $listing"
for f in quorva.exe README.txt LICENSE SHA256SUMS images/quorva.png; do
  check "zip holds $f" [ -s "$top/$f" ]
done
check "SHA256SUMS holds for every other file" bash -c "cd '$top' && sha256sum --quiet -c SHA256SUMS &&
  [ \$(wc -l <SHA256SUMS) -eq \$(find . -type f ! -name SHA256SUMS | wc -l) ]"
check "the guide opens as UTF-8 text and its pictures are beside it" bash -c "
  head -c 3 '$top/README.txt' | cmp -s - <(printf '\xEF\xBB\xBF') &&
  grep -q 'Quorva 利用ガイド' '$top/README.txt' && ! grep -q '](\.\./' '$top/README.txt' &&
  for p in \$(grep -o '](images/[^)]*)' '$top/README.txt' | sed 's/^](//; s/)\$//'); do [ -f '$top'/\$p ] || exit 1; done"
check "LICENSE is MIT" grep -q '^MIT License' "$top/LICENSE"
check "quorva.exe is a Windows program" bash -c "head -c 2 '$top/quorva.exe' | grep -q MZ"
exit $fail
