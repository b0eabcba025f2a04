#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the normal build, the sanitizer
# build, the protocol module alone (without Qt), and a bounded fuzz run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

for preset in default asan protocol; do
  echo "== $preset build and tests"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

echo "== fuzzing"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
scripts/fuzz.sh "${TALVENOR_FUZZ_SECONDS:-30}"
