#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and plays the end-to-end test
# against the installed program, reached through its games/ link.
set -euo pipefail
build=$1
e2e=$2
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null
test -L "$dest/usr/games/kalvado"
test -f "$dest/usr/lib/kalvado/pic/Board1.jpg"
KALVADO_E2E_BIN=$dest/usr/games/kalvado "$e2e"
