#!/usr/bin/env bash
# The committed icon and button pictures are what ui/window/res/make_resources.py makes from its grids.
set -euo pipefail
res=$(cd "$(dirname "$0")/../../ui/window/res" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$res/make_resources.py" "$work"
fail=0
for made in "$work"/*; do
  name=$(basename "$made")
  if cmp -s "$made" "$res/$name"; then echo "ok   $name"; else echo "FAIL $name differs from what its grid makes"; fail=1; fi
done
for committed in "$res"/*.bmp "$res"/*.ico; do
  [ -e "$work/$(basename "$committed")" ] || { echo "FAIL $(basename "$committed") is made by nothing"; fail=1; }
done
exit $fail
