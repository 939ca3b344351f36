#!/usr/bin/env bash
# Installs what the build and the tests need (Debian 12 packages) when it is missing, then
# configures and builds everything into build/default. The program folder is build/default/dist.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev libgtest-dev libxcb1-dev
  xvfb xauth xdotool x11-utils openbox trayer fonts-dejavu-core libfaketime
  cups printer-driver-cups-pdf poppler-utils
  clang-14 libclang-rt-14-dev
  dbus-daemon at-spi2-core libatspi2.0-dev
)

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

cd "$(dirname "$0")/.."
cmake --preset default
cmake --build --preset default
