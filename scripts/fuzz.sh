#!/usr/bin/env bash
# Builds the fuzz targets of the file readers with clang, libFuzzer and the address and
# undefined-behaviour sanitizers in build/fuzz (only the targets and the libraries they need), and
# runs each for a fixed number of inputs from its seeds in fuzz/corpus/. A crash or a broken
# round-trip property fails the script. More runs: ZIMPA_FUZZ_RUNS=100000 bash scripts/fuzz.sh
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${ZIMPA_FUZZ_RUNS:-3000}
jobs=${ZIMPA_FUZZ_JOBS:-6}
build=build/fuzz
# Qt 6.4's containers hand memcmp and memcpy a null pointer with a length of 0 for empty
# arrays (harmless, but flagged): that one check stays off.
sanitizers="-fsanitize=address,undefined -fno-sanitize=nonnull-attribute -fno-sanitize-recover=undefined"

cmake -S . -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_CXX_FLAGS="$sanitizers -fsanitize=fuzzer-no-link" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" \
  -DZIMPA_BUILD_TESTS=OFF -DZIMPA_BUILD_FUZZERS=ON >/dev/null
cmake --build "$build" --target fuzzers -j "$jobs"

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
