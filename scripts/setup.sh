#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing for a purpose, through sudo when not root:
#   setup.sh build   the build and the programs; then configures and builds build/default
#   setup.sh test    the build's and the tests' packages; then configures and builds
#   setup.sh fuzz    the build's packages and the fuzzing compiler; builds nothing
#   setup.sh sanitize  all of them, for the tests under the sanitizers; builds nothing
set -euo pipefail

# What the build uses directly, and what the programs need when they run.
build_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev libgtest-dev
  libx11-dev libxcb1-dev libatspi2.0-dev libcups2-dev
)
# Real windows on a private display, the clock library, the print test's own scheduler and PDF
# printer, the install test's validators, and a private accessibility bus.
test_packages=(
  xvfb xauth xdotool x11-utils openbox trayer fonts-dejavu-core libfaketime
  cups printer-driver-cups-pdf poppler-utils
  desktop-file-utils appstream
  dbus-daemon at-spi2-core
)
# clang with libFuzzer and the sanitizers' run-time.
fuzz_packages=(
  clang-14 libclang-rt-14-dev
)

purpose=${1:-build}
case "$purpose" in
  build) packages=("${build_packages[@]}") ;;
  test) packages=("${build_packages[@]}" "${test_packages[@]}") ;;
  fuzz) packages=("${build_packages[@]}" "${fuzz_packages[@]}") ;;
  sanitize) packages=("${build_packages[@]}" "${test_packages[@]}" "${fuzz_packages[@]}") ;;
  *)
    echo "usage: $0 [build|test|fuzz|sanitize]" >&2
    exit 2
    ;;
esac

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

case "$purpose" in fuzz | sanitize) exit 0 ;; esac
cd "$(dirname "$0")/.."
cmake --preset default
cmake --build --preset default
