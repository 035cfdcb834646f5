#!/usr/bin/env bash
# The real program answers --help, --version and mistakes on the command
# line at once, without a display: with none set, opening a window would
# fail loudly instead.
set -u
bin=$1
version=$2
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
failed=0
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

# Holds when the file matches the pattern (grep -E), or is empty for "-".
shows() {
    if [ "$2" = - ]; then [ ! -s "$1" ]; else grep -qE -- "$2" "$1"; fi
}

# arguments | exit code | standard output | standard error
while IFS='|' read -r args code stdout stderr; do
    # shellcheck disable=SC2086
    timeout 10 "$bin" $args >"$out" 2>"$err"
    got=$?
    if [ "$got" != "$code" ] || ! shows "$out" "$stdout" || ! shows "$err" "$stderr"; then
        echo "FAILED: kalvado $args: exit $got (want $code)"
        echo "--- stdout:"; cat "$out"; echo "--- stderr:"; cat "$err"
        failed=$((failed + 1))
    fi
done <<TABLE
--help|0|^Usage: kalvado \[options\]|-
-h|0|-platform <name\[:options\]>|-
--version|0|^kalvado $version$|-
-v|0|^kalvado $version$|-
--no-such-option|2|-|^kalvado: Unknown option 'no-such-option'\.
a-position|2|-|^kalvado: Unexpected argument 'a-position'\.
-platform offscreen --help|0|^Usage: kalvado|-
TABLE
echo "$((7 - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
