#!/usr/bin/env bash
# Builds the fuzz targets of the file readers with clang, libFuzzer and the address and
# undefined-behaviour sanitizers in the sanitizer build (preset "sanitize", build/sanitize, which
# scripts/sanitize.sh builds whole; here only the targets and the libraries they need), and runs
# each for a fixed number of inputs from its seeds in fuzz/corpus/. A crash or a broken round-trip
# property fails the script. More runs: ZIMPA_FUZZ_RUNS=100000 bash scripts/fuzz.sh
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${ZIMPA_FUZZ_RUNS:-3000}
jobs=${ZIMPA_FUZZ_JOBS:-6}
build=build/sanitize

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize --target fuzzers -j "$jobs"

export ASAN_OPTIONS=detect_leaks=0
export QT_QPA_PLATFORM=offscreen
for target in list calendar content settings richtext register; do
  corpus=$(mktemp -d)
  cp fuzz/corpus/"$target"/* "$corpus"/
  echo "fuzz_$target: $runs runs"
  "$build/fuzz/fuzz_$target" -runs="$runs" -max_len=8192 -seed=1 -artifact_prefix="$build/" "$corpus" 2>"$corpus.log" || {
    tail -n 40 "$corpus.log"
    exit 1
  }
  rm -rf "$corpus" "$corpus.log"
done
echo "All fuzz targets ran without a crash or a broken property."
