#!/usr/bin/env bash
# Runs README's test command on a fresh, minimal Debian release, as a new
# user of the project would: a throwaway chroot made with mmdebstrap from
# Debian's archive, a clone of one commit in it, and `bash scripts/test.sh`
# there, with nothing installed by hand; then, with Qt's private headers
# removed, a fresh configure, which must leave the accessibility tests out
# and pass.
#   bash scripts/distro-check.sh RELEASE [--user | --configure-only] [COMMIT]
#     RELEASE  a Debian suite: trixie (13), bookworm (12), ...
#     --user   install what the tests need as root (deps.sh test), then run
#              the test command as an unprivileged user
#     --configure-only
#              install what the tests need and check the configure without
#              Qt's private headers alone, without the test command
#     COMMIT   what to check (default HEAD); it must be committed
# Needs root, mmdebstrap, about 3 GB of disk under ${TMPDIR:-/var/tmp} and
# network to Debian's archive. Everything it makes is removed afterwards,
# and its mounts are undone, whether the run passes or not.
set -euo pipefail
cd "$(dirname "$0")/.."
release=${1:?usage: bash scripts/distro-check.sh RELEASE [--user | --configure-only] [COMMIT]}
shift
as=root
if [ "${1-}" = --user ] || [ "${1-}" = --configure-only ]; then
    as=${1#--}
    shift
fi
commit=$(git rev-parse --verify "${1:-HEAD}^{commit}")
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}

[ "$(id -u)" -eq 0 ] || { echo "distro-check needs root (for the chroot)" >&2; exit 2; }
command -v mmdebstrap >/dev/null || { echo "distro-check needs mmdebstrap (apt-get install mmdebstrap)" >&2; exit 2; }

root=$(mktemp -d "${TMPDIR:-/var/tmp}/kalvado-$release.XXXXXX")
mounted=()
cleanup() {
    local p m i
    # Whatever the run left going inside (an X server, a bus) goes first.
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/root" 2>/dev/null)" = "$root" ] && kill -9 "${p#/proc/}" 2>/dev/null
    done
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        m=${mounted[i]}
        umount "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || echo "could not unmount $m" >&2
    done
    if ! grep -q " $root/" /proc/mounts; then
        rm -rf --one-file-system "$root"
    else
        echo "left $root in place: something is still mounted there" >&2
    fi
}
trap cleanup EXIT
mount_in() { # type-or-bind source target [options]
    mkdir -p "$root/$3"
    if [ "$1" = bind ]; then
        mount --bind "$2" "$root/$3"
    else
        mount -t "$1" ${4:+-o "$4"} "$2" "$root/$3"
    fi
    mounted+=("$root/$3")
}

started=$(date +%s)
echo "== $release: a minimal system in $root"
mmdebstrap --quiet --variant=minbase --include=git,ca-certificates "$release" "$root" "$mirror"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount_in proc proc proc
mount_in sysfs sys sys ro
mount_in bind /dev dev
mount_in devpts devpts dev/pts newinstance,ptmxmode=0666
mount_in tmpfs tmpfs dev/shm mode=1777

echo "== clone of $commit"
git clone --quiet --no-local "$PWD" "$root/src"
git -C "$root/src" checkout --quiet --detach "$commit"

run_in() { # user home command: with the PATH Debian gives root or a user
    local path=/usr/local/bin:/usr/bin:/bin:/usr/games
    [ "$1" = 0:0 ] && path=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
    chroot --userspec="$1" "$root" /usr/bin/env -i PATH="$path" HOME="$2" LANG=C.UTF-8 TERM=dumb /bin/bash -c "$3"
}
status=0
if [ "$as" = root ]; then
    run_in 0:0 /root 'cd /src && bash scripts/test.sh' || status=$?
elif [ "$as" = configure-only ]; then
    run_in 0:0 /root 'cd /src && bash scripts/deps.sh test' || status=$?
else
    chroot "$root" useradd --create-home player
    chroot "$root" chown -R player:player /src
    run_in 0:0 /root 'cd /src && bash scripts/deps.sh test' || status=$?
    [ "$status" -ne 0 ] || run_in player:player /home/player 'cd /src && bash scripts/test.sh' || status=$?
fi
if [ "$status" -eq 0 ]; then
    echo "== configure without Qt's private headers"
    run_in 0:0 /root 'apt-get remove -y -qq qt6-base-private-dev >/dev/null
        ! find /usr/include -path "*/qpa/qplatformaccessibility.h" | grep -q . || { echo "the private headers are still there"; exit 1; }
        cmake -S /src -B /tmp/no-private >/tmp/no-private.log 2>&1 || { cat /tmp/no-private.log; exit 1; }
        grep "accessibility tests are left out" /tmp/no-private.log' || status=$?
fi
took=$(( $(date +%s) - started ))
version=$(cat "$root/etc/debian_version" 2>/dev/null || echo "?")
if [ "$status" -eq 0 ]; then
    echo "distro-check: Debian $version ($release) as $as: passed in $((took / 60)) min $((took % 60)) s"
else
    echo "distro-check: Debian $version ($release) as $as: FAILED (status $status) after $((took / 60)) min $((took % 60)) s"
fi
exit "$status"
