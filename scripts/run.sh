#!/usr/bin/env bash
# The program's main job. For now: the engine probe answers a few sample expressions.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native --target quorva-probe >/dev/null
printf '%s\n' \
  '{"expr": "(1+2)*3"}' \
  '{"expr": "１２３４．５＊２", "after": "2", "group": 1}' \
  '{"expr": "1/3", "after": "5", "wide": 1}' \
  '{"expr": "10^15"}' \
  '{"expr": "1 + * 2"}' \
  '{"expr": "10^400"}' |
  build/native/tools/probe/quorva-probe
