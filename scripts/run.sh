#!/usr/bin/env bash
# Installs what the build needs, builds (see setup.sh), then starts the organiser from its
# program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh build
exec build/default/dist/Zimpa "$@"
