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
# The passes below need tools that a system may lack (deps.sh installs them
# where it can); a missing one is named and its pass left out.
skipped=()
echo "== clang"
if command -v clang++ >/dev/null; then
    cmake --preset clang >/dev/null
    cmake --build --preset clang -j "$jobs"
    # The real program under X is played by the dev and asan runs already.
    ctest --preset clang -j "$jobs" -E '^(e2e|e2e_installed|soak|wayland|input_soak|orca)$'
else
    skipped+=("the clang build (no clang++)")
fi
echo "== fuzz"
if command -v clang++ >/dev/null && [ -n "$(find /usr/lib/llvm-* -name 'libclang_rt.fuzzer-x86_64.a' 2>/dev/null)" ]; then
    bash scripts/fuzz.sh 45
else
    skipped+=("the fuzzers (no clang fuzzer runtime)")
fi
echo "== package"
if command -v lintian >/dev/null && command -v dpkg-deb >/dev/null && command -v appstreamcli >/dev/null \
    && command -v desktop-file-validate >/dev/null; then
    bash scripts/package-check.sh
else
    skipped+=("the package check (needs lintian, dpkg-dev, appstream and desktop-file-utils)")
fi
for pass in "${skipped[@]}"; do
    echo "left out: $pass" >&2
done
