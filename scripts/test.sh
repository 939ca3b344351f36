#!/usr/bin/env bash
# Installs what the build and the tests need, builds (see setup.sh), then runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test
ctest --preset default -j "$(nproc)"
