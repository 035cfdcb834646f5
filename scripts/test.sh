#!/usr/bin/env bash
# Builds everything and runs every test: once optimised, once under
# AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer, and the
# libraries and tests once more with clang; then runs each fuzz target for a
# bounded time, and builds the .deb twice and checks it (installed and
# removed as root; unpacked into a scratch root otherwise).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
jobs=$(nproc)
for preset in dev asan; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done
echo "== clang"
cmake --preset clang >/dev/null
cmake --build --preset clang -j "$jobs"
# The real program under X is played by the dev and asan runs already.
ctest --preset clang -j "$jobs" -E '^(e2e|e2e_installed|soak|wayland|input_soak)$'
echo "== fuzz"
bash scripts/fuzz.sh 45
echo "== package"
bash scripts/package-check.sh
