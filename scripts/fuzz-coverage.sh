#!/usr/bin/env bash
# Line coverage of the core (the lexavo_core library) and of the compiler's readers
# by the committed fuzz corpus: the fuzz targets built with clang's coverage
# instrumentation run every input of fuzz/corpus once.
#   bash scripts/fuzz-coverage.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-cov
CXX=clang++ cmake -S . -B "$build" -G Ninja -DLEXAVO_FUZZ=ON -DLEXAVO_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fprofile-instr-generate -fcoverage-mapping" >/dev/null
cmake --build "$build" --target fuzz_targets >/dev/null
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
targets=(program_files records mkdict_sources)
for t in "${targets[@]}"; do
  LLVM_PROFILE_FILE="$out/$t.profraw" ASAN_OPTIONS=detect_leaks=0 \
    "$build/fuzz/${t}_fuzz" -runs=0 "fuzz/corpus/$t" >/dev/null 2>&1
done
llvm-profdata merge -o "$out/all.profdata" "$out"/*.profraw
objects=("$build/fuzz/program_files_fuzz" -object "$build/fuzz/records_fuzz" -object "$build/fuzz/mkdict_sources_fuzz")
core=$(sed -n '/add_library(lexavo_core/,/^)/p' src/CMakeLists.txt | grep -oE '[a-z_]+/[a-z_0-9]+\.cpp' | sed 's|^|src/|')
echo "The core:"
llvm-cov report "${objects[@]}" -instr-profile="$out/all.profdata" $core | awk '{print $1, $8, $9, $10}'
echo "The compiler's readers:"
llvm-cov report "${objects[@]}" -instr-profile="$out/all.profdata" tools/mkdict/ding_reader.cpp \
  tools/mkdict/dictd_reader.cpp tools/mkdict/tsv_reader.cpp tools/mkdict/reviewed.cpp \
  tools/mkdict/set_reader.cpp | awk '{print $1, $8, $9, $10}'
echo "Corpus: $(find fuzz/corpus -type f | wc -l) files, $(cat fuzz/corpus/*/* | wc -c) bytes"
