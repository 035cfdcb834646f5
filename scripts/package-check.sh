#!/usr/bin/env bash
# Builds the .deb and checks it as a user's machine would meet it: lintian,
# the desktop entry and AppStream data validated, installed with dpkg, the
# desktop entry's command played end to end, and removed without leftovers.
# Installs and removes the package on this machine: run it as root.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/dev
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/kalvado_*_*.deb | head -n 1)
echo "== $deb"

lintian --tag-display-limit 0 "$deb" 2>&1 | { grep -v 'running with root privileges' || true; } | tee /tmp/kalvado-lintian.txt
if grep -qE '^(E|W):' /tmp/kalvado-lintian.txt; then
    echo "lintian reports errors or warnings" >&2
    exit 1
fi
desktop-file-validate packaging/org.kalvado.kalvado.desktop
appstreamcli validate --no-net packaging/org.kalvado.kalvado.metainfo.xml

if dpkg -s kalvado >/dev/null 2>&1; then
    echo "removing a kalvado package left installed by an earlier run"
    dpkg -r kalvado >/dev/null
fi
dpkg -i "$deb" >/dev/null
trap 'dpkg -r kalvado >/dev/null 2>&1 || true' EXIT
files=$(dpkg -L kalvado)

# The command of the menu entry, found the way a desktop session finds it.
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/org.kalvado.kalvado.desktop)
program=$(PATH=/usr/local/bin:/usr/bin:/bin:/usr/games command -v "${exec_line%% *}")
echo "== menu entry runs $program"
KALVADO_E2E_BIN=$program "$build"/tests/e2e_test

dpkg -r kalvado >/dev/null
trap - EXIT
left=""
for f in $files; do
    case "$f" in /. | /usr | /usr/share | /usr/lib | /usr/games | /usr/share/man* | /usr/share/doc | \
        /usr/share/icons* | /usr/share/applications | /usr/share/metainfo) continue ;; esac
    [ -e "$f" ] || [ -L "$f" ] && left="$left $f"
done
if [ -n "$left" ]; then
    echo "left behind after removal:$left" >&2
    exit 1
fi
echo "package: installed, played and removed cleanly"
