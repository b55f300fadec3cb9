# SPDX-License-Identifier: MIT
# Installs what the Windows build and its tests need on Debian 12: the
# mingw-w64 cross compiler for 32-bit Windows, Wine with its 32-bit part,
# icoutils for the resource tests, and Xvfb/xdotool/ImageMagick for the
# screenshot. Safe to run again: it installs only what is missing. Runs as
# root, or through sudo.
set -eu

SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO=sudo; fi

packages="g++-mingw-w64-i686 binutils-mingw-w64-i686 wine wine64 wine32:i386 fonts-wine \
icoutils fonts-liberation2 xvfb xauth xdotool x11-utils imagemagick cmake make"

installed() {
    dpkg-query -W -f='${Status}\n' "$1" 2>/dev/null | grep -q '^install ok installed'
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
    need_update=1
fi

missing=""
for p in $packages; do
    installed "$p" || missing="$missing $p"
done

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
elif [ "${need_update:-0}" = 1 ]; then
    $SUDO apt-get update -qq
fi
