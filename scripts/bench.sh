#!/usr/bin/env bash
# Builds the native preset and runs the engine benchmarks (the expression sizes, and /now on a
# 10,000- and a 40,000-line memo, a year of 家計簿); prints the table and a summary of
# the figures against their targets. Extra arguments go to the benchmark program, e.g.
#   scripts/bench.sh --benchmark_filter=calculate_short --benchmark_repetitions=5
# QUORVA_BENCH_BUILD_DIR picks another build folder (default build/native).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build_dir=${QUORVA_BENCH_BUILD_DIR:-build/native}
cmake --preset native -B "$build_dir" >/dev/null
cmake --build "$build_dir" --target quorva-bench
exec "$build_dir/tests/bench/quorva-bench" "$@"
