#!/usr/bin/env bash
# Fails where a C++ source differs from the layout .clang-format gives, naming each
# place. Every source is checked (a few seconds), so a change's files always are.
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
  mapfile -t files < <(find src tests tools bench fuzz -name '*.cpp' -o -name '*.h')
fi
if ! clang-format --dry-run --Werror "${files[@]}"; then
  echo "format: the files above differ from .clang-format; clang-format -i fixes them"
  exit 1
fi
echo "format: ${#files[@]} files as .clang-format lays them out"
