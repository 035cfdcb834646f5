#!/usr/bin/env bash
# Builds the game (installing what is missing where it can) and launches it.
# Needs a display: a desktop session, or DISPLAY pointing at an X server.
# Arguments are passed to the game (try --help).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh play
cmake --preset game >/dev/null
cmake --build --preset game -j "$(nproc)"
exec build/game/kalvado "$@"
