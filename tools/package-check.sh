#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs lexidor_*.deb into a fresh Debian 12 root (debootstrap, minimal
# variant, then apt with the package's own dependencies only) and checks it
# there: --version and --help without a display, the manual page, then the
# window on a virtual X display, with a picture of the screen. Run as root
# (`make package-check`); not part of `make test`.
# usage: package-check.sh ROOT lexidor_VERSION_ARCH.deb
set -eu
root=$(realpath -m "$1")
deb=$(realpath "$2")
base=$root.base
shot=$root.png
mirror=$(awk '/^URIs:/ { print $2; exit }' /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
mirror=${mirror:-http://deb.debian.org/debian}

if [ "$(id -u)" != 0 ]; then
    echo "package-check: run as root (debootstrap and chroot)" >&2
    exit 1
fi

# The base system is made once and copied for every check.
if [ ! -f "$base/.lexidor-base" ]; then
    rm -rf "$base"
    echo "package-check: debootstrap bookworm from $mirror into $base"
    debootstrap --variant=minbase bookworm "$base" "$mirror" >"$root.debootstrap.log" 2>&1 ||
        { tail -20 "$root.debootstrap.log"; exit 1; }
    touch "$base/.lexidor-base"
fi
rm -rf "$root"
cp -a "$base" "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf"

work=$(mktemp -d)
xvfb= program=
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    umount "$root/proc" "$root/dev" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"

in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

cp "$deb" "$root/tmp/"
echo "package-check: apt install ./$(basename "$deb") (with its dependencies, no recommends)"
in_root DEBIAN_FRONTEND=noninteractive DEBCONF_NOWARNINGS=yes apt-get update -qq
in_root DEBIAN_FRONTEND=noninteractive DEBCONF_NOWARNINGS=yes \
    apt-get install -y -qq --no-install-recommends "/tmp/$(basename "$deb")" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; exit 1; }
echo "package-check: $(grep -c '^Setting up' "$work/apt.log") packages set up"

status=0
fail() { echo "FAIL: $*"; status=1; }

version=$(dpkg-deb -f "$deb" Version)
[ "$(in_root lexidor --version)" = "lexidor $version" ] || fail "lexidor --version: $(in_root lexidor --version 2>&1)"
in_root lexidor --help | grep -q '^Uso: lexidor' || fail "lexidor --help"
in_root sh -c 'zcat /usr/share/man/man1/lexidor.1.gz' | grep -q '^\.SH NOMBRE' || fail "manual page"

# The window, on a virtual display served from outside the root.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
display=:$(cat "$work/display")
mkdir -p -m 700 "$root/run/user/0"
in_root DISPLAY="$display" XDG_RUNTIME_DIR=/run/user/0 lexidor >"$work/lexidor.log" 2>&1 &
program=$!
sleep 6
if kill -0 "$program" 2>/dev/null; then
    DISPLAY=$display import -window root "$shot"
    echo "package-check: the window is up; the screen is in $shot"
else
    fail "lexidor ended at start-up: $(cat "$work/lexidor.log")"
fi
if [ -s "$work/lexidor.log" ]; then
    echo "package-check: lexidor wrote:"
    cat "$work/lexidor.log"
fi
[ $status = 0 ] && echo "package-check: ok ($(basename "$deb") in a fresh Debian 12)"
exit $status
