#!/usr/bin/env bash
# Makes sure what building and playing (or testing) needs is installed.
#   bash scripts/deps.sh [play|test]      (default: play)
# Nothing is installed when all is present, on any distribution. What is
# missing is installed with apt-get where that can be done (as root, or with
# sudo); otherwise the list is printed with a way to go on, and it fails.
# A package this release does not have is named, and the rest is installed
# all the same; that fails only when the game itself could not be built.
set -euo pipefail
what=${1:-play}

# Each need: a check that holds when it is present, and its Debian package.
play=(
    "command -v cmake|cmake"
    "command -v c++ || command -v g++ || command -v clang++|g++"
    "command -v make || command -v ninja|make"
    "command -v pkg-config|pkg-config"
    "has_cmake_package Qt6Widgets|qt6-base-dev"
    "test -x /usr/lib/qt6/libexec/moc || command -v moc-qt6 || has_cmake_package Qt6WidgetsTools|qt6-base-dev-tools"
    "has_cmake_package Qt6LinguistTools|qt6-tools-dev"
    "test -n \"\$(find /usr/lib/qt6/bin /usr/lib/*/qt6/bin -name lrelease 2>/dev/null | head -n 1)\"|qt6-l10n-tools"
    "has_pc xcb|libxcb1-dev"
    "has_font 'Liberation Sans'|fonts-liberation"
    "has_font 'AR PL UMing TW'|fonts-arphic-uming"
)
testing=(
    "has_cmake_package GTest|libgtest-dev"
    "has_cmake_package GMock || test -f /usr/include/gmock/gmock.h|libgmock-dev"
    "has_cmake_package benchmark|libbenchmark-dev"
    "has_pc x11|libx11-dev"
    "test -n \"\$(find /usr/include -path '*QtGui/*/QtGui/qpa/qplatformaccessibility.h' 2>/dev/null | head -n 1)\"|qt6-base-private-dev"
    "command -v Xvfb|xvfb"
    "command -v xdotool|xdotool"
    "command -v xprop|x11-utils"
    "command -v weston|weston"
    "command -v dbus-daemon && command -v dbus-send|dbus"
    "test -x /usr/libexec/at-spi-bus-launcher|at-spi2-core"
    "/usr/bin/python3 -c 'import gi'|python3-gi"
    "command -v orca|orca"
    "test -f /usr/lib/x86_64-linux-gnu/girepository-1.0/Atspi-2.0.typelib || test -n \"\$(find /usr/lib -name 'Atspi-2.0.typelib' 2>/dev/null)\"|gir1.2-atspi-2.0"
    "test -n \"\$(find /usr/lib/*/qt6/plugins/platforms -name 'libqwayland-generic.so' 2>/dev/null)\"|qt6-wayland"
    "has_font 'DejaVu Sans'|fonts-dejavu-core"
    "test -f /usr/share/qt6/translations/qtbase_de.qm|qt6-translations-l10n"
    "has_font 'WenQuanYi Zen Hei'|fonts-wqy-zenhei"
    "has_font 'Noto Sans Devanagari'|fonts-noto-core"
    "test -n \"\$(find /usr/lib/*/qt6/plugins/platformthemes -name 'libqt6ct.so' 2>/dev/null)\"|qt6ct"
    "command -v clang++|clang"
    "test -n \"\$(find /usr/lib/llvm-* -name 'libclang_rt.fuzzer-x86_64.a' 2>/dev/null)\"|libclang-rt-@CLANG@-dev"
    "command -v dpkg-deb && command -v dpkg-shlibdeps|dpkg-dev"
    "command -v file|file"
    "command -v lintian|lintian"
    "command -v desktop-file-validate|desktop-file-utils"
    "command -v appstreamcli|appstream"
)

has_cmake_package() {
    local name=$1 dir
    for dir in /usr/lib/cmake /usr/lib/*/cmake /usr/local/lib/cmake /usr/local/lib/*/cmake /usr/share/cmake \
        ${CMAKE_PREFIX_PATH:+${CMAKE_PREFIX_PATH//:/ }}; do
        for f in "$dir/$name/${name}Config.cmake" "$dir/$name/$(echo "$name" | tr '[:upper:]' '[:lower:]')-config.cmake" \
            "$dir/lib/cmake/$name/${name}Config.cmake"; do
            [ -f "$f" ] && return 0
        done
    done
    # CMake's own find modules (FindGTest) cover some without a config file.
    [ "$name" = GTest ] && [ -f /usr/include/gtest/gtest.h ]
}
has_pc() { pkg-config --exists "$1" 2>/dev/null; }
has_font() { command -v fc-list >/dev/null && fc-list "$1" family | grep -q .; }

# Names that differ between releases: the fuzzer runtime goes with the
# release's default clang (14 on Debian 12, 19 on Debian 13).
clang_major() {
    local v
    v=$(clang++ -dumpversion 2>/dev/null | cut -d. -f1)
    [ -n "$v" ] || v=$(apt-cache depends clang 2>/dev/null | sed -n 's/.*Depends: clang-\([0-9][0-9]*\)$/\1/p' | head -n 1)
    echo "$v"
}
resolve() {
    local major package
    major=$(clang_major)
    for package in "$@"; do echo "${package//@CLANG@/${major:-N}}"; done
}

needs=("${play[@]}")
[ "$what" = test ] && needs+=("${testing[@]}")
missing=()
for need in "${needs[@]}"; do
    eval "${need%|*}" >/dev/null 2>&1 || missing+=("${need##*|}")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    sudo=(sudo -n)
else
    sudo=(none)
fi
if ! command -v apt-get >/dev/null || [ "${sudo[0]-}" = none ]; then
    mapfile -t missing < <(resolve "${missing[@]}")
    echo "Missing to $what: ${missing[*]} (Debian package names)." >&2
    if command -v apt-get >/dev/null; then
        echo "Install them as root:  apt-get install ${missing[*]}" >&2
    else
        echo "Install the same with your distribution's package manager," >&2
    fi
    echo "then run this command again." >&2
    exit 1
fi
"${sudo[@]}" apt-get update -qq
mapfile -t missing < <(resolve "${missing[@]}")
available=()
unavailable=()
for package in "${missing[@]}"; do
    if apt-cache show "$package" >/dev/null 2>&1; then
        available+=("$package")
    else
        unavailable+=("$package")
    fi
done
if [ ${#available[@]} -gt 0 ]; then
    echo "Installing: ${available[*]}"
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${available[@]}" >/dev/null
fi
if [ ${#unavailable[@]} -gt 0 ]; then
    echo "Not in this release's archive, left out: ${unavailable[*]}" >&2
    for need in "${play[@]}"; do
        for package in "${unavailable[@]}"; do
            if [ "$(resolve "${need##*|}")" = "$package" ]; then
                echo "The game cannot be built without $package." >&2
                exit 1
            fi
        done
    done
fi
