#!/usr/bin/env bash
# Regenerates docs/quorva.png: the calculator window under Wine (Japanese locale, virtual display)
# with a grouped answer on show. QUORVA_BUILD chooses the build folder (default build/windows).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${QUORVA_BUILD:-build/windows}
cmake --preset windows -B "$build" >/dev/null
cmake --build "$build" --target quorva quorva-demo >/dev/null
export QUORVA_WINEPREFIX=$PWD/$build/wineprefix
shot=$build/quorva-shot.bmp
rm -f "$shot"
scripts/with-xvfb.sh "$build/wine-run.sh" "$build/tools/demo/quorva-demo.exe" --shot \
  "$(printf 'Z:%s' "$(realpath "$build")/quorva-shot.bmp" | tr / '\\')"
mkdir -p docs
convert "$shot" -strip docs/quorva.png
echo "screenshot: docs/quorva.png"
