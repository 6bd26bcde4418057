#!/usr/bin/env bash
# Runs the benchmarks with repetitions and prints each median beside the reference
# it is judged by, measured in the same run. Build first (bash scripts/test.sh, or
# cmake --build build); the bundled dictionaries must have been built.
#   bash scripts/bench.sh [BUILD_DIR] [REPETITIONS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
reps=${2:-5}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for b in "$build"/bench/*_bench; do
  "$b" --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true \
    --benchmark_format=json --benchmark_out="$out/$(basename "$b").json" \
    --benchmark_out_format=json >/dev/null
done
python3 scripts/bench-report.py "$out"/*.json
