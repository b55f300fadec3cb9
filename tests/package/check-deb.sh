#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Packs the build tree with CPack and checks the Debian package: the files a
# desktop user and Debian expect, with their modes; the control fields;
# lintian with no error and no warning; and the built program's answers on
# the command line, without a display.
# usage: check-deb.sh BUILD_DIR VERSION RESOURCES_DIR
set -u
build=$1
version=$2
resources=$3

for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is missing (make package installs dpkg-dev and lintian)"
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if ! cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack"
    exit 1
fi
deb=$(ls "$work"/lexidor_"$version"_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "FAIL: no lexidor_${version}_*.deb from cpack"; ls "$work"; exit 1; }

# --- Files: path and mode ---------------------------------------------------
dpkg-deb --contents "$deb" | awk '{ print $1, $6 }' >"$work/contents"
while read -r mode path; do
    grep -qxF -- "$mode ./$path" "$work/contents" || fail "no $path with mode $mode in the package"
done <<'TABLE'
-rwxr-xr-x usr/bin/lexidor
-rw-r--r-- usr/share/applications/io.github.lexidor.Lexidor.desktop
-rw-r--r-- usr/share/metainfo/io.github.lexidor.Lexidor.metainfo.xml
-rw-r--r-- usr/share/icons/hicolor/16x16/apps/lexidor.png
-rw-r--r-- usr/share/icons/hicolor/32x32/apps/lexidor.png
-rw-r--r-- usr/share/icons/hicolor/48x48/apps/lexidor.png
-rw-r--r-- usr/share/icons/hicolor/64x64/apps/lexidor.png
-rw-r--r-- usr/share/icons/hicolor/128x128/apps/lexidor.png
-rw-r--r-- usr/share/icons/hicolor/256x256/apps/lexidor.png
-rw-r--r-- usr/share/icons/hicolor/scalable/apps/lexidor.svg
-rw-r--r-- usr/share/man/man1/lexidor.1.gz
-rw-r--r-- usr/share/doc/lexidor/copyright
-rw-r--r-- usr/share/doc/lexidor/changelog.gz
TABLE
# Nothing else: no test program, no header, no second copy.
extra=$(awk '$1 !~ /^d/ { print $2 }' "$work/contents" |
    grep -vxE '\./usr/(bin/lexidor|share/(applications|metainfo|icons/hicolor/[^/]+/apps|man/man1|doc/lexidor)/[^/]+)')
[ -z "$extra" ] || fail "unexpected files: $extra"

# --- Control fields and documents -------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = lexidor ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', the project's is $version"
for dependency in libqt6widgets6 libc6 fonts-liberation2; do
    field Depends | grep -q "\b$dependency\b" || fail "Depends lacks $dependency: '$(field Depends)'"
done
dpkg-deb -x "$deb" "$work/root"
zcat "$work/root/usr/share/doc/lexidor/changelog.gz" | head -n 1 | grep -qF "lexidor ($version)" ||
    fail "the changelog does not start at version $version"
zcat "$work/root/usr/share/man/man1/lexidor.1.gz" | grep -q "^\.TH LEXIDOR 1 .*\"Lexidor $version\"" ||
    fail "the manual page does not name version $version"
grep -q "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" \
    "$work/root/usr/share/doc/lexidor/copyright" || fail "the copyright file is not machine-readable"
grep -q "<release version=\"$version\"" "$resources/io.github.lexidor.Lexidor.metainfo.xml" ||
    fail "the AppStream data has no release $version"

# --- lintian ----------------------------------------------------------------
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1
lintian_status=$?
if [ "$lintian_status" != 0 ] || grep -q '^[EW]: ' "$work/lintian.log"; then
    fail "lintian:"
    cat "$work/lintian.log"
fi

# --- The program on the command line, without a display -----------------------
program=$build/src/qt/lexidor
while IFS='|' read -r arguments expected_status expected_out; do
    read -ra args <<<"$arguments"
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" "${args[@]}" 2>"$work/err")
    status=$?
    expected_out=${expected_out//VERSION/$version}
    [ "$status" = "$expected_status" ] || fail "lexidor $arguments: status $status, not $expected_status"
    if [ "$expected_status" = 0 ]; then
        head -n 1 <<<"$out" | grep -qx "$expected_out" || fail "lexidor $arguments printed '$out'"
        [ -s "$work/err" ] && fail "lexidor $arguments wrote on stderr: $(cat "$work/err")"
    else
        [ -z "$out" ] || fail "lexidor $arguments wrote on stdout: $out"
        grep -q "$expected_out" "$work/err" || fail "lexidor $arguments: stderr '$(cat "$work/err")'"
    fi
done <<'TABLE'
--version|0|lexidor VERSION
-V|0|lexidor VERSION
--help|0|Uso: lexidor \[OPCIÓN\]
-h --version|0|Uso: lexidor \[OPCIÓN\]
--bogus|2|opción desconocida «--bogus»
palabra|2|argumento no admitido «palabra»
--version --bogus|2|opción desconocida «--bogus»
-help|2|opción desconocida «-help»
TABLE

[ "$failures" = 0 ] && echo "ok: $(basename "$deb"), $(grep -c . "$work/contents") entries, lintian clean"
exit $((failures > 0))
