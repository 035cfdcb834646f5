#!/usr/bin/env bash
# Builds the .deb and checks it as a packager and a user would meet it:
# built twice, in another folder with another umask, time zone and locale,
# and byte-identical; lintian (pedantic) clean; the desktop entry and the
# AppStream data valid; played end to end through its menu entry's command;
# and, as root, installed with dpkg and removed without leftovers. Without
# root the package is unpacked into a scratch root and played from there.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/dev
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}
work=$(mktemp -d "${TMPDIR:-/tmp}/kalvado-package.XXXXXX")
trap 'rm -rf "$work"' EXIT

cmake --build "$build" --target deb >/dev/null
deb=$(ls "$build"/kalvado_*_*.deb | head -n 1)
echo "== $deb"

echo "== built again elsewhere (umask 002, TZ=Pacific/Chatham, LC_ALL=C.UTF-8)"
mkdir "$work/src"
git ls-files -z | xargs -0 cp --parents -t "$work/src"
(
    umask 002
    export TZ=Pacific/Chatham LC_ALL=C.UTF-8
    cd "$work/src"
    # The dev tree's configuration without tests and benchmarks: cpack
    # builds everything of a tree before it packs, and the game is enough.
    cmake --preset dev -DBUILD_TESTING=OFF -DKALVADO_BUILD_BENCHMARKS=OFF >/dev/null
    cmake --build --preset dev -j "$(nproc)" --target kalvado packaging_docs >/dev/null
    cmake --build build/dev --target deb >/dev/null
)
again=$(ls "$work"/src/build/dev/kalvado_*_*.deb)
first_sum=$(sha256sum <"$deb" | cut -d' ' -f1)
again_sum=$(sha256sum <"$again" | cut -d' ' -f1)
echo "   $first_sum"
echo "   $again_sum"
if [ "$first_sum" != "$again_sum" ]; then
    echo "the two packages differ" >&2
    command -v diffoscope >/dev/null && diffoscope "$deb" "$again" | head -n 80 >&2
    exit 1
fi

lintian --pedantic --tag-display-limit 0 "$deb" 2>&1 | { grep -v 'running with root privileges' || true; } >"$work/lintian.txt"
cat "$work/lintian.txt"
if grep -qE '^(E|W|P):' "$work/lintian.txt"; then
    echo "lintian reports errors, warnings or pedantic tags" >&2
    exit 1
fi
desktop-file-validate packaging/org.kalvado.kalvado.desktop
appstreamcli validate --no-net --pedantic packaging/org.kalvado.kalvado.metainfo.xml

# The command of the menu entry, found the way a desktop session finds it
# under the given root.
menu_command() {
    local root=$1 exec_line
    exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/org.kalvado.kalvado.desktop")
    PATH=$root/usr/local/bin:$root/usr/bin:$root/bin:$root/usr/games command -v "${exec_line%% *}"
}

if [ "$(id -u)" -ne 0 ]; then
    echo "== not root: playing the package unpacked into a scratch root instead of installing it"
    dpkg-deb -x "$deb" "$work/root"
    program=$(menu_command "$work/root")
    echo "== menu entry runs $program"
    KALVADO_E2E_BIN=$program "$build"/tests/e2e_test --gtest_filter=EndToEnd.AShortGame*
    echo "package: built reproducibly, unpacked and played"
    exit 0
fi

if dpkg -s kalvado >/dev/null 2>&1; then
    echo "removing a kalvado package left installed by an earlier run"
    dpkg -r kalvado >/dev/null
fi
dpkg -i "$deb" >/dev/null
trap 'dpkg -r kalvado >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
files=$(dpkg -L kalvado)
program=$(menu_command "")
echo "== menu entry runs $program"
KALVADO_E2E_BIN=$program "$build"/tests/e2e_test --gtest_filter=EndToEnd.AShortGame*

dpkg -r kalvado >/dev/null
trap 'rm -rf "$work"' EXIT
left=""
for f in $files; do
    case "$f" in /. | /usr | /usr/share | /usr/lib | /usr/libexec | /usr/games | /usr/share/man* | /usr/share/doc | \
        /usr/share/icons* | /usr/share/applications | /usr/share/metainfo) continue ;; esac
    [ -e "$f" ] || [ -L "$f" ] && left="$left $f"
done
if [ -n "$left" ]; then
    echo "left behind after removal:$left" >&2
    exit 1
fi
echo "package: built reproducibly, installed, played and removed cleanly"
