#!/usr/bin/env bash
# Builds the game (installing what is missing) and launches it.
# Needs a display: a desktop session, or DISPLAY pointing at an X server.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$(nproc)" --target kalvado
exec build/dev/kalvado "$@"
