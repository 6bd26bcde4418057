#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs them on the committed seed corpus
# (fuzz/corpus), side by side on the machine's cores, each for at least
# SECONDS_PER_TARGET of processor time; fails on any finding, whose input it prints.
#   bash scripts/fuzz.sh [SECONDS_PER_TARGET]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
if ! command -v clang++ >/dev/null; then
  echo "fuzz: clang++ is not installed; skipped"
  exit 0
fi
build=${LEXAVO_FUZZ_BUILD_DIR:-build-fuzz}
# Line tables are all a finding's stack trace needs.
CXX=clang++ cmake -S . -B "$build" -G Ninja -DLEXAVO_FUZZ=ON -DLEXAVO_BENCH=OFF \
  -DLEXAVO_BUNDLED_DICTIONARIES=OFF -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1" >/dev/null
cmake --build "$build" --target fuzz_targets
targets=(program_files records mkdict_sources)
cores=$(nproc)
# All targets run at once: with fewer cores than targets each gets its share of them
# for correspondingly longer.
wall=$(( (seconds * ${#targets[@]} + cores - 1) / cores ))
[ "$wall" -lt "$seconds" ] && wall=$seconds
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pids=()
for t in "${targets[@]}"; do
  # New inputs go to a scratch corpus; the committed seeds are only read.
  mkdir -p "$work/$t"
  ASAN_OPTIONS=detect_leaks=0 "$build/fuzz/${t}_fuzz" -max_total_time="$wall" -timeout=10 \
    -rss_limit_mb=2048 -artifact_prefix="$work/$t-" "$work/$t" "fuzz/corpus/$t" \
    >"$work/$t.log" 2>&1 &
  pids+=($!)
done
failed=0
for i in "${!targets[@]}"; do
  t=${targets[$i]}
  if ! wait "${pids[$i]}"; then
    tail -n 60 "$work/$t.log"
    for f in "$work/$t"-*; do [ -f "$f" ] && { echo "input $f:"; od -A d -t x1 "$f" | head -20; }; done
    echo "fuzz: $t: a fault was found"
    failed=1
    continue
  fi
  echo "fuzz: $t: ${wall} s on ${cores} cores shared by ${#targets[@]} targets:" \
    "$(grep -E '^Done [0-9]+ runs' "$work/$t.log" || tail -n 1 "$work/$t.log"), corpus $(ls "$work/$t" | wc -l) new inputs"
done
exit "$failed"
