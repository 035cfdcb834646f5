#!/usr/bin/env bash
# Builds everything and runs every test: once optimised with GCC (every
# test), once with clang under AddressSanitizer, UndefinedBehaviorSanitizer
# and LeakSanitizer (all but the whole games, which the optimised pass
# plays), which also feeds each fuzz target for a bounded time; then builds
# the .deb twice and checks it (installed and removed as root; unpacked into
# a scratch root otherwise). Without clang the sanitizer pass is GCC's.
#
#   bash scripts/test.sh           everything, as CI runs it
#   bash scripts/test.sh --quick   the day-to-day loop: the optimised build,
#                                  then the unit and widget tests and one
#                                  short game of the real program
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

if [ "${1-}" = --quick ]; then
    if [ ! -f build/dev/CMakeCache.txt ]; then
        bash scripts/deps.sh test
        cmake --preset dev >/dev/null
    fi
    cmake --build --preset dev -j "$jobs"
    exec ctest --preset dev -j "$jobs" -L 'unit|widget|quick'
fi
[ $# -eq 0 ] || { echo "usage: bash scripts/test.sh [--quick]" >&2; exit 2; }

bash scripts/deps.sh test
# Each pass's heading says when it started, to see where the time goes.
at() { printf '%d:%02d' $((SECONDS / 60)) $((SECONDS % 60)); }
pass() { # preset [ctest arguments]
    local preset=$1
    shift
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs" "$@"
}
clang=no
if command -v clang++ >/dev/null && [ -n "$(find /usr/lib/llvm-* -name 'libclang_rt.fuzzer-x86_64.a' 2>/dev/null)" ]; then
    clang=yes
fi
echo "== dev ($(at))"
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$jobs"
# The dev tests wait on the real program most of the time; the clang tree
# compiles meanwhile at the lowest priority, so that it takes only what the
# tests leave.
if [ "$clang" = yes ]; then
    cmake --preset fuzz >/dev/null
    (nice -n 19 cmake --build --preset fuzz -j "$jobs" >build/fuzz/build.log 2>&1) &
    early=$!
fi
ctest --preset dev -j "$jobs"
# The passes below need tools that a system may lack (deps.sh installs them
# where it can); a missing one is named and its pass left out.
skipped=()
if [ "$clang" = yes ]; then
    # One clang tree under ASan, UBSan and LSan builds everything with its
    # warnings as errors, runs every test but the whole games (which the dev
    # pass plays), and feeds the fuzz targets.
    echo "== clang with the sanitizers ($(at))"
    wait "$early" || true # a failed build shows itself again below
    pass fuzz
    echo "== fuzz ($(at))"
    bash scripts/fuzz.sh 45
else
    echo "== GCC with the sanitizers ($(at))"
    pass asan
    skipped+=("the clang build and the fuzzers (no clang++ or no clang fuzzer runtime)")
fi
echo "== package ($(at))"
if command -v lintian >/dev/null && command -v dpkg-deb >/dev/null && command -v appstreamcli >/dev/null \
    && command -v desktop-file-validate >/dev/null; then
    bash scripts/package-check.sh
else
    skipped+=("the package check (needs lintian, dpkg-dev, appstream and desktop-file-utils)")
fi
for pass in "${skipped[@]}"; do
    echo "left out: $pass" >&2
done
echo "== all passed ($(at))"
