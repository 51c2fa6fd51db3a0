#!/usr/bin/env bash
# Makes the release that users download: dist/quorva-<version>-win64.zip, one folder holding
# quorva.exe, the Japanese guide as README.txt with its pictures in images/, LICENSE and
# SHA256SUMS. The same commit gives the same zip in any folder: quorva.exe is built reproducibly,
# every file carries the commit's time (SOURCE_DATE_EPOCH if set) and the files go in sorted.
#   QUORVA_BUILD       build folder (default build/release)
#   QUORVA_SKIP_SETUP  set: do not check the installed packages first
set -euo pipefail
cd "$(dirname "$0")/.."
[ -n "${QUORVA_SKIP_SETUP:-}" ] || scripts/setup.sh

epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 315532800)}
build=${QUORVA_BUILD:-build/release}
# The linker would stamp SOURCE_DATE_EPOCH into the PE header; the build is to need no stamp.
env -u SOURCE_DATE_EPOCH cmake --preset release -B "$build" >/dev/null
env -u SOURCE_DATE_EPOCH cmake --build "$build" --target quorva

version=$(sed -n 's/^project(Quorva VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "package: no version in CMakeLists.txt" >&2; exit 1; }
name=quorva-$version
stage=$build/package
top=$stage/$name
rm -rf "$stage"
mkdir -p "$top/images" dist

cp "$build/ui/quorva.exe" "$top/quorva.exe"
cp LICENSE "$top/LICENSE"

# The guide's pictures go beside it in images/, and its links follow them.
guide=docs/ja/README.md
text=$(cat "$guide")
while IFS= read -r link; do
  [ -f "docs/ja/$link" ] || { echo "package: the guide shows $link, which is missing" >&2; exit 1; }
  cp "docs/ja/$link" "$top/images/$(basename "$link")"
  text=${text//"]($link)"/"](images/$(basename "$link"))"}
done < <(grep -o '!\[[^]]*\]([^)]*)' "$guide" | sed 's/.*](\(.*\))$/\1/' | sort -u)
# Notepad on every Windows reads UTF-8 with a byte-order mark and CR LF line ends.
{ printf '\xEF\xBB\xBF'; printf '%s\n' "$text" | sed 's/$/\r/'; } > "$top/README.txt"

(cd "$top" && find . -type f ! -name SHA256SUMS -printf '%P\n' | LC_ALL=C sort | xargs sha256sum > SHA256SUMS)

zip=$PWD/dist/$name-win64.zip
rm -f "$zip"
find "$top" -type f -exec chmod 0644 {} +
find "$top" -exec touch -h -d "@$epoch" {} +
(cd "$stage" && find "$name" -type f | LC_ALL=C sort | TZ=UTC zip -X -D -q "$zip" -@)

echo "package: dist/$name-win64.zip, $(stat -c %s "$zip") bytes"
unzip -l "$zip" | sed 's/^/  /'
echo "  sha256 $(sha256sum "$zip" | cut -d' ' -f1)  $name-win64.zip"
echo "  sha256 $(sha256sum "$top/quorva.exe" | cut -d' ' -f1)  quorva.exe"
