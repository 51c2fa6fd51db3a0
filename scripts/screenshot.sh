#!/usr/bin/env bash
# Regenerates docs/quorva.png: the calculator window under Wine (Japanese locale, virtual display)
# with a grouped answer on show; and the Japanese guide's pictures (docs/ja/images), which the
# end-to-end run from the editor with start options saves. QUORVA_BUILD chooses the build folder
# (default build/windows).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${QUORVA_BUILD:-build/windows}
cmake --preset windows -B "$build" >/dev/null
cmake --build "$build" --target quorva quorva-demo e2e_tests >/dev/null
export QUORVA_WINEPREFIX=$PWD/$build/wineprefix
shot=$build/quorva-shot.bmp
rm -f "$shot"
scripts/with-xvfb.sh "$build/wine-run.sh" "$build/tests/harness/demo/quorva-demo.exe" --shot \
  "$(printf 'Z:%s' "$(realpath "$build")/quorva-shot.bmp" | tr / '\\')"
mkdir -p docs
convert "$shot" -strip docs/quorva.png
echo "screenshot: docs/quorva.png"

# The guide's pictures: the editor's first lines, and the calculator window as it opens and after Enter.
shots=$build/shots
rm -f "$shots"/selection-0-*.bmp "$shots"/option-box.bmp "$shots"/memo-*.bmp
scripts/with-xvfb.sh ctest --test-dir "$build" -R '^e2e\.StartedWithOptions\.(SelectedExpressionIsReplacedByItsValue|BadArgumentIsNamedOnceAndQuorvaStartsWithoutIt)$|^e2e\.InPlace\.SelectionGetsItsAnswersWithoutAWindowAndOneUndoGivesItBack$' >/dev/null
mkdir -p docs/ja/images
convert "$shots/selection-0-0-editor.bmp" -crop 360x60+0+0 +repage -strip docs/ja/images/selection-1-editor.png
convert "$shots/selection-0-1-started.bmp" -strip docs/ja/images/selection-2-started.png
convert "$shots/selection-0-2-calculated.bmp" -strip docs/ja/images/selection-3-calculated.png
convert "$shots/selection-0-3-editor.bmp" -crop 360x60+0+0 +repage -strip docs/ja/images/selection-4-result.png
convert "$shots/option-box.bmp" -strip docs/ja/images/option-box.png
# A memo selected, and what /now and /now /append make of it.
convert "$shots/memo-now-0-before.bmp" -crop 360x150+0+0 +repage -strip docs/ja/images/memo-1-before.png
convert "$shots/memo-now-1-after.bmp" -crop 360x150+0+0 +repage -strip docs/ja/images/memo-2-now.png
convert "$shots/memo-append-1-after.bmp" -crop 360x150+0+0 +repage -strip docs/ja/images/memo-3-append.png
echo "screenshots: docs/ja/images"
