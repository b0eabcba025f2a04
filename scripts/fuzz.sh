#!/usr/bin/env bash
# Runs the GetFIXTagValue fuzzer for about SECONDS seconds (default 30) and fails on any finding:
# a broken rule, a crash, a sanitizer report, a leak or a hang.
# Build it first: cmake --preset fuzz && cmake --build --preset fuzz
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
fuzzer=build/fuzz/fuzz/tagvalue_fuzzer
if [[ ! -x $fuzzer ]]; then
  echo "fuzz.sh: $fuzzer is missing; build it with: cmake --preset fuzz && cmake --build --preset fuzz" >&2
  exit 2
fi

# New inputs go to a git-ignored corpus; the committed seeds are only read.
corpus=fuzz/corpus/tagvalue
findings=build/fuzz/findings
mkdir -p "$corpus" "$findings"

"$fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
  -artifact_prefix="$findings/" "$corpus" fuzz/seeds
