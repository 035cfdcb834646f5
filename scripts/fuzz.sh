#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while.
#   bash scripts/fuzz.sh [seconds per target]      (default 60)
# New inputs go to build/fuzz/corpus/<target>; crashes to
# build/fuzz/artifacts/ (turn each into a regression test).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash scripts/deps.sh test
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" --target fuzz_flow fuzz_skin_loader
mkdir -p build/fuzz/artifacts
export QT_QPA_PLATFORM=offscreen
# The two targets run side by side, one on each of the two cores that a
# developer's machine and CI have.
pids=()
for target in fuzz_flow fuzz_skin_loader; do
    seeds=tests/fuzz/corpus/${target#fuzz_}
    [ "$target" = fuzz_skin_loader ] && seeds=tests/fuzz/corpus/skin
    work=build/fuzz/corpus/$target
    mkdir -p "$work"
    build/fuzz/tests/fuzz/$target "$work" "$seeds" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=1024 \
        -print_final_stats=1 -artifact_prefix="build/fuzz/artifacts/$target-" >"build/fuzz/$target.log" 2>&1 &
    pids+=($!)
done
echo "== fuzz_flow and fuzz_skin_loader for ${seconds}s each"
failed=0
for i in 0 1; do
    target=$([ "$i" = 0 ] && echo fuzz_flow || echo fuzz_skin_loader)
    log=build/fuzz/$target.log
    if ! wait "${pids[i]}"; then
        tail -n 60 "$log"
        echo "$target found a failure; the input is in build/fuzz/artifacts/" >&2
        failed=1
        continue
    fi
    echo "$target:"
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log"
done
exit "$failed"
