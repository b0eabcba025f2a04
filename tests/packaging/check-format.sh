#!/usr/bin/env bash
# Fails, naming the places, when a tracked C++ file differs from what clang-format makes of it.
set -euo pipefail

clang_format=$1
cd "$2"

mapfile -t files < <(git ls-files -- '*.h' '*.cpp')
if [[ ${#files[@]} -eq 0 ]]; then
  echo "no tracked C++ files under $2" >&2
  exit 1
fi
"$clang_format" --dry-run --Werror "${files[@]}"
