#!/usr/bin/env bash
# Times the full test command from fresh clones, the way a newcomer or CI
# runs it, and prints each run and the median.
#   bash scripts/time-tests.sh [runs] [commit]        (default: 3 HEAD)
# Run it on an otherwise idle machine with the dependencies installed
# (scripts/deps.sh test). ccache, where present, is switched off so that
# every run compiles from nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
commit=${2:-HEAD}
commit=$(git rev-parse "$commit")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
times=()
for i in $(seq "$runs"); do
    rm -rf "$scratch/clone"
    git clone -q . "$scratch/clone"
    git -C "$scratch/clone" checkout -q "$commit"
    start=$(date +%s)
    if CCACHE_DISABLE=1 bash "$scratch/clone/scripts/test.sh" >"$scratch/run$i.log" 2>&1; then
        result=passed
    else
        result=failed
        cp "$scratch/run$i.log" "/tmp/time-tests-run$i.log"
    fi
    seconds=$(( $(date +%s) - start ))
    times+=("$seconds")
    printf 'run %d: %d min %02d s, %s\n' "$i" $((seconds / 60)) $((seconds % 60)) "$result"
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}')
printf 'median of %d: %d min %02d s (%s)\n' "$runs" $((median / 60)) $((median % 60)) "${commit:0:7}"
