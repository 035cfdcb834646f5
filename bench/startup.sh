#!/usr/bin/env bash
# Start-up time and resident memory of the game against a minimal Qt Widgets
# program, both started the same way on the same private X server.
#   bash bench/startup.sh [runs] [scale] [language]   (default 15 runs each, scale 1, English)
# The scale is the device pixel ratio both programs get (QT_SCALE_FACTOR);
# the language (de, he ...) is the game's desktop language, its catalogues
# loaded.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
export QT_SCALE_FACTOR=${2:-1}
language=${3:-en}
# The window is known by its title, in the language's catalogue; the minimal
# window shows the same words in that language.
title="Pennalt (Black and White)"
words=()
if [ "$language" != en ]; then
    catalogue=translations/kalvado_$language.ts
    [ -f "$catalogue" ] || { echo "startup.sh: no catalogue for $language"; exit 2; }
    title=$(sed -n "/<source>$title<\/source>/{n;s/.*<translation>\(.*\)<\/translation>.*/\1/p}" "$catalogue")
    words=(build/dev/window/kalvado_$language.qm)
fi
bash scripts/deps.sh test
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$(nproc)" --target kalvado minimal_window time_to_window >/dev/null

display=:$((100 + RANDOM % 800))
Xvfb "$display" -screen 0 2400x1600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY=$display
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

# Alternately, so that a busy moment on a shared machine costs both alike.
game="" minimal=""
for _ in $(seq "$runs"); do
    game+=$(LANGUAGE=$language build/dev/bench/time_to_window "$title" 500 build/dev/kalvado)$'\n'
    minimal+=$(build/dev/bench/time_to_window "Minimal" 500 build/dev/bench/minimal_window "${words[@]}")$'\n'
done
game=${game%$'\n'} minimal=${minimal%$'\n'}
gt=$(cut -d' ' -f1 <<<"$game" | median); gm=$(cut -d' ' -f2 <<<"$game" | median)
mt=$(cut -d' ' -f1 <<<"$minimal" | median); mm=$(cut -d' ' -f2 <<<"$minimal" | median)
echo "runs: $runs each (medians), scale $QT_SCALE_FACTOR, language $language"
printf '%-16s %10s %12s\n' program "to window" "resident"
printf '%-16s %8s ms %8s KiB\n' kalvado "$gt" "$gm" minimal "$mt" "$mm"
awk -v a="$gt" -v b="$mt" -v c="$gm" -v d="$mm" 'BEGIN {printf "ratio: time %.2f, memory %.2f\n", a / b, c / d}'
