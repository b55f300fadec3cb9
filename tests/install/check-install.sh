#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build tree into a temporary prefix and checks what lands there.
set -u
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
status=0
for f in bin/lexidor \
         share/applications/io.github.lexidor.Lexidor.desktop \
         share/metainfo/io.github.lexidor.Lexidor.metainfo.xml \
         share/icons/hicolor/16x16/apps/lexidor.png \
         share/icons/hicolor/32x32/apps/lexidor.png \
         share/icons/hicolor/48x48/apps/lexidor.png \
         share/icons/hicolor/256x256/apps/lexidor.png \
         share/icons/hicolor/scalable/apps/lexidor.svg; do
    [ -s "$prefix/$f" ] || { echo "FAIL: missing $f"; status=1; }
done
[ -x "$prefix/bin/lexidor" ] || { echo "FAIL: bin/lexidor is not executable"; status=1; }
# Nothing of the tests is installed.
if find "$prefix" -name 'lexidor-scenario*' -o -name '*test*' | grep -q .; then
    echo "FAIL: test programs were installed"; status=1
fi
exec_line=$(grep '^Exec=' "$prefix/share/applications/io.github.lexidor.Lexidor.desktop")
[ "$exec_line" = "Exec=lexidor" ] || { echo "FAIL: desktop entry runs '$exec_line'"; status=1; }
[ $status -eq 0 ] && echo "ok: install layout"
exit $status
