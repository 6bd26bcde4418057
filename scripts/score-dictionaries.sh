#!/usr/bin/env bash
# Prints the quality figures of the bundled dictionaries as built in build/src: the
# first-meaning score on both halves of each evaluation list (the common words, then the
# everyday words past them in data/evaluation/depth) and the tally of each judged random
# sample (first meanings of the commonest, then whole entries past them).
# Usage: bash scripts/score-dictionaries.sh [--verbose] [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
verbose=()
if [ "${1:-}" = "--verbose" ]; then verbose=(--verbose); shift; fi
build=${1:-build}
mkdict=$build/tools/mkdict/lexavo-mkdict
for stem in angcze czeang nemcze czenem; do
  for list in "data/evaluation/$stem" "data/evaluation/depth/$stem"; do
    for half in tune heldout; do
      printf '%-8s %-6s ' "$half" "$(basename "$(dirname "$list.tsv")")"
      "$mkdict" --score "$list.$half.tsv" --out "$build/src" --stem "$stem" "${verbose[@]}"
    done
  done
  for sample in "data/evaluation/$stem.sample.tsv" data/evaluation/depth/"$stem".entries*.tsv; do
    [ -f "$sample" ] || continue
    printf '%-15s ' "$(basename "$sample" .tsv)"
    "$mkdict" --judged "$sample" --out "$build/src" --stem "$stem" "${verbose[@]}"
  done
done
