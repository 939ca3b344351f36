#!/usr/bin/env bash
# Sets up and builds (see setup.sh), then starts the organiser from its program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
exec build/default/dist/Zimpa "$@"
