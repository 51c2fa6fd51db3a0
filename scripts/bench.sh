#!/usr/bin/env bash
# Builds the native preset and runs the engine benchmarks; prints the table and a summary of
# the figures against their targets. Extra arguments go to the benchmark program, e.g.
#   scripts/bench.sh --benchmark_filter=calculate_short --benchmark_repetitions=5
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native --target quorva-bench
exec build/native/tests/bench/quorva-bench "$@"
