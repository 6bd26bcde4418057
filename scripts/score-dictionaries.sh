#!/usr/bin/env bash
# Prints the quality figures of the bundled dictionaries as built in build/src: the
# first-meaning score on both halves of each evaluation list and the tally of each
# judged random sample. Usage: bash scripts/score-dictionaries.sh [--verbose] [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
verbose=()
if [ "${1:-}" = "--verbose" ]; then verbose=(--verbose); shift; fi
build=${1:-build}
mkdict=$build/tools/mkdict/lexavo-mkdict
for stem in angcze czeang nemcze czenem; do
  for half in tune heldout; do
    printf '%-8s ' "$half"
    "$mkdict" --score "data/evaluation/$stem.$half.tsv" --out "$build/src" --stem "$stem" "${verbose[@]}"
  done
  if [ -f "data/evaluation/$stem.sample.tsv" ]; then
    printf '%-8s ' sample
    "$mkdict" --judged "data/evaluation/$stem.sample.tsv" --out "$build/src" --stem "$stem" "${verbose[@]}"
  fi
done
