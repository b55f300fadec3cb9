# SPDX-License-Identifier: MIT
# Installs what the Windows build and its tests need on Debian 12: the
# mingw-w64 cross compiler for 32-bit Windows, Wine with its 32-bit part
# (adding the i386 architecture for it), the 64-bit cross compiler for the
# test build of machines that cannot execute 32-bit programs
# (cmake/Windows.cmake), icoutils for the resource tests, and
# Xvfb/xdotool/ImageMagick for the screenshot. Safe to run again: it
# installs only what is missing, quietly (tools/packages.sh). Runs as root,
# or through sudo.
# usage: install-deps.sh [--list] [MORE_PACKAGE...]
#   MORE_PACKAGE  installed in the same go (`make test` adds the other
#                 tests' packages, so that there is one download)
#   --list        print the packages and install nothing
set -eu
here=$(cd "$(dirname "$0")" && pwd)

packages="g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 \
wine wine64 wine32:i386 fonts-wine \
icoutils fonts-liberation2 xvfb xauth xdotool x11-utils imagemagick cmake make"

if [ "${1:-}" = --list ]; then
    echo $packages
    exit 0
fi
# shellcheck disable=SC2086
exec bash "$here/../../tools/packages.sh" install --for "${LEXIDOR_PACKAGES_FOR:-the tests and the Windows build}" \
    --log "${LEXIDOR_PACKAGES_LOG:-build/packages.log}" $packages "$@"
