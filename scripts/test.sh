#!/usr/bin/env bash
# Sets up and builds (see setup.sh), then runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
ctest --preset default -j "$(nproc)"
