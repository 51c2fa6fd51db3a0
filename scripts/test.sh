#!/usr/bin/env bash
# Builds everything and runs every test: native (engine, probe), sanitizers with a timed fuzz
# run, and the Windows build under Wine (Japanese locale, Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

step() { printf '\n=== %s\n' "$*"; }

step "native build and tests"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

step "sanitizers (ASan, UBSan) and ${QUORVA_FUZZ_SECONDS:-60} s of fuzzing"
cmake --preset sanitize -DQUORVA_FUZZ_SECONDS="${QUORVA_FUZZ_SECONDS:-60}" >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize

step "Windows build, tests under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows
QUORVA_WINEPREFIX=$PWD/build/windows/wineprefix scripts/with-xvfb.sh ctest --preset windows
