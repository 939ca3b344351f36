#!/usr/bin/env bash
# Installs clang and the build's packages when missing (see setup.sh), builds the fuzz targets of
# the file readers with clang, libFuzzer and the address and undefined-behaviour sanitizers in the
# sanitizer build (preset "sanitize", build/sanitize, which scripts/sanitize.sh builds whole; here
# only the targets and the libraries they need), and runs each for a fixed number of
# inputs from its seeds in fuzz/corpus/ and from seeds at the readers' limits made here. A crash or
# a broken property fails the script. More runs: ZIMPA_FUZZ_RUNS=100000 bash scripts/fuzz.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh fuzz

runs=${ZIMPA_FUZZ_RUNS:-3000}
jobs=${ZIMPA_FUZZ_JOBS:-6}
build=build/sanitize

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize --target fuzzers -j "$jobs"

export ASAN_OPTIONS=detect_leaks=0
export QT_QPA_PLATFORM=offscreen
# The targets write their scratch files (and the settings' lock file) into a folder of the run's
# own, in memory where there is room: every write of the readers is flushed to the disk, and on a
# disk that takes most of the run's time.
scratch=$(mktemp -d -p /dev/shm zimpa-fuzz-XXXXXX 2>/dev/null || mktemp -d -t zimpa-fuzz-XXXXXX)
trap 'rm -rf "$scratch"' EXIT
export TMPDIR=$scratch
# Seeds at the readers' limits, made from the small ones: a list of 1026 records and a calendar
# of 1026 days (the tables hold 1025 and 1024), a table file of 300 lines (256 are read), a
# settings value longer than the 2047 characters a read returns, a register in which every
# number is taken, and a note with groups nested 100 deep (one more is refused).
limit_seed() {
  case "$1" in
    list) perl -0777 -ne 'print $_ x 513' fuzz/corpus/list/two-records ;;
    calendar) perl -0777 -ne 'print $_ x 513' fuzz/corpus/calendar/two-days ;;
    content) perl -0777 -ne 'print $_ x 60' fuzz/corpus/content/table ;;
    settings) perl -e 'print "\x01abcdefgh[MainForm]\r\nFontName=", "x" x 2100, "\r\nTop=5\r\n"' ;;
    register) perl -e 'print pack("v", 7), pack("V*", 0 .. 1023)' ;;
    richtext) perl -e 'print "{\\rtf1 ", "{" x 99, "szoveg", "}" x 100' ;;
  esac
}

for target in list calendar content settings richtext register; do
  corpus=$(mktemp -d)
  cp fuzz/corpus/"$target"/* "$corpus"/
  limit_seed "$target" >"$corpus/at-the-limit"
  # Room for the largest seed and more.
  max_len=$(($(wc -c <"$corpus/at-the-limit") + 8192))
  echo "fuzz_$target: $runs runs, inputs up to $max_len bytes"
  "$build/fuzz/fuzz_$target" -runs="$runs" -max_len="$max_len" -seed=1 \
    -artifact_prefix="$build/" "$corpus" 2>"$corpus.log" || {
    tail -n 40 "$corpus.log"
    exit 1
  }
  rm -rf "$corpus" "$corpus.log"
done
echo "All fuzz targets ran without a crash or a broken property."
