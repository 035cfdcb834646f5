#!/usr/bin/env bash
# Builds everything and runs every test: once optimised, once under
# AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer; then runs
# each fuzz target for a bounded time, and builds the .deb and checks it
# installed, played and removed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc)
for preset in dev asan; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done
echo "== fuzz"
bash scripts/fuzz.sh 45
echo "== package"
bash scripts/package-check.sh
