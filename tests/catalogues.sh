#!/usr/bin/env bash
# Every catalogue holds exactly the texts the sources have: lupdate, run over
# a copy, finds nothing new and drops nothing.
#   catalogues.sh LUPDATE SOURCE... -- CATALOGUE...
set -euo pipefail
lupdate=$1
shift
sources=()
while [ "$1" != "--" ]; do sources+=("$1"); shift; done
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for catalogue in "$@"; do
    copy=$scratch/$(basename "$catalogue")
    cp "$catalogue" "$copy"
    "$lupdate" -silent -no-obsolete -locations none "${sources[@]}" -ts "$copy"
    before=$(grep -c '<message' "$catalogue")
    after=$(grep -c '<message' "$copy")
    if [ "$before" != "$after" ] || grep -q 'type="unfinished"' "$copy"; then
        echo "$(basename "$catalogue"): out of date with the sources (it has $before texts, after lupdate $after, or a new one untranslated);" \
             "build the target update_translations and translate what is new" >&2
        status=1
    fi
done
exit $status
