#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR, plays the end-to-end test
# against the installed program reached through its games/ link, then
# uninstalls it and checks that no file or link is left behind.
#   installed.sh <build folder> <e2e_test> [its arguments]
set -euo pipefail
build=$1
e2e=$2
shift 2
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null
test -L "$dest/usr/games/kalvado"
test -f "$dest/usr/libexec/kalvado/pic/Board1.jpg"
KALVADO_E2E_BIN=$dest/usr/games/kalvado "$e2e" "$@"

DESTDIR=$dest cmake --build "$build" --target uninstall >/dev/null
left=$(find "$dest" ! -type d)
if [ -n "$left" ]; then
    echo "left behind after uninstall:" >&2
    echo "$left" >&2
    exit 1
fi
if find "$dest" -type d -path '*kalvado*' | grep -q .; then
    echo "folders of the game left behind:" >&2
    find "$dest" -type d -path '*kalvado*' >&2
    exit 1
fi
echo "installed, played and uninstalled cleanly"
