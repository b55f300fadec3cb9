# SPDX-License-Identifier: MIT
# Installs what the Windows build and its tests need on Debian 12: the
# mingw-w64 cross compiler for 32-bit Windows, Wine with its 32-bit part,
# the 64-bit cross compiler for the test build of machines that cannot
# execute 32-bit programs (cmake/Windows.cmake), icoutils for the resource
# tests, and Xvfb/xdotool/ImageMagick for the screenshot. Safe to run again:
# it installs only what is missing. Runs as root, or through sudo.
set -eu

SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO=sudo; fi
# sudo resets the environment: apt gets its settings on its own command line
# (no questions, and no debconf notice that apt-utils is missing).
apt_get() { $SUDO env DEBIAN_FRONTEND=noninteractive DEBCONF_NOWARNINGS=yes apt-get "$@"; }

packages="g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 \
wine wine64 wine32:i386 fonts-wine \
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
    apt_get update -qq
    apt_get install -y -qq --no-install-recommends $missing
elif [ "${need_update:-0}" = 1 ]; then
    apt_get update -qq
fi
