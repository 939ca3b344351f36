#!/usr/bin/env bash
# Builds everything with clang and the address and undefined-behaviour sanitizers (preset
# "sanitize" in build/sanitize: the test executables, the delivered programs and the fuzz targets,
# which scripts/fuzz.sh then runs from the same build) and runs every test under them, the real
# programs of the desktop tests included. A finding in a test executable fails its test; one in a
# program that a desktop test started is kept in build/sanitize/sanitizer-log/, shown here, and
# fails the script as well.
#
# The preset leaves one check off: Qt 6.4's containers hand memcmp and memcpy a null pointer with
# a length of 0 for empty arrays, which is harmless but flagged (nonnull-attribute).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh sanitize

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize

log=build/sanitize/sanitizer-log
rm -rf "$log"
mkdir -p "$log"
status=0
ctest --preset sanitize -j "$(nproc)" || status=1
if [ -n "$(ls -A "$log")" ]; then
  echo "The sanitizers reported:"
  cat "$log"/*
  status=1
fi
exit "$status"
