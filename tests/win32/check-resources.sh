#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the resources built into lexidor.exe with icoutils' wrestool and
# icotool: the icon (32x32 and 16x16, 16 colours, the same pictures as
# resources/lexidor.ico), the background JPEG, the manifest, and the version
# record (Spanish (Spain), file and product version 1.0.0.0 written "1.00",
# "Lexidor" as product and internal name).
# usage: check-resources.sh lexidor.exe resources/
set -u
exe=$1
sources=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
passes=0
pass() { passes=$((passes + 1)); }
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
expect() { # expect DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@"; then pass; else fail "$what"; fi
}

spanish=3082 # 0x0C0A, Spanish (Spain), modern sort

# --- The resource directory -------------------------------------------------
wrestool -l "$exe" >"$work/list" 2>"$work/list.err" || fail "wrestool cannot read $exe: $(cat "$work/list.err")"
has_resource() { grep -q -- "^--type=$1 --name=$2 --language=$spanish " "$work/list"; }
expect "icon group 1 in Spanish (Spain)" has_resource 14 1
expect "version record 1 in Spanish (Spain)" has_resource 16 1
expect "background picture 101 as raw data" has_resource 10 101
expect "manifest 1" has_resource 24 1

# --- The icon ---------------------------------------------------------------
wrestool -x --type=14 --name=1 "$exe" >"$work/icon.ico" 2>/dev/null
icotool -l "$work/icon.ico" >"$work/icons" 2>/dev/null
expect "icon holds exactly two images" test "$(grep -c -- '^--icon' "$work/icons")" = 2
for size in 32 16; do
    expect "icon has a ${size}x${size} image of 16 colours (4 bits)" \
        grep -q -- "--width=$size --height=$size --bit-depth=4 --palette-size=16" "$work/icons"
done
mkdir "$work/built" "$work/source"
icotool -x -o "$work/built" "$work/icon.ico" 2>/dev/null
icotool -x -o "$work/source" "$sources/lexidor.ico" 2>/dev/null
same_pictures() {
    local a b
    for a in "$work/source"/*.png; do
        b="$work/built/$(basename "$a" | sed 's/^lexidor/icon/')"
        [ -f "$b" ] && cmp -s "$a" "$b" || return 1
    done
    [ -n "$(ls "$work/source")" ]
}
expect "icon pictures are those of resources/lexidor.ico" same_pictures

# --- The background picture -------------------------------------------------
wrestool -x --raw --type=10 --name=101 "$exe" >"$work/background.jpg" 2>/dev/null
expect "background picture is resources/background.jpg" cmp -s "$work/background.jpg" "$sources/background.jpg"

# --- The version record -----------------------------------------------------
wrestool -x --raw --type=16 --name=1 "$exe" >"$work/version" 2>/dev/null
hex=$(od -An -v -tx1 "$work/version" | tr -d ' \n')

# VS_FIXEDFILEINFO follows its signature 0xFEEF04BD: structure version,
# then file version (high, low) and product version (high, low), each a
# little-endian 32-bit word; 1.0.0.0 is 0x00010000, 0x00000000.
fixed=${hex#*bd04effe}
expect "fixed version information present" test "$fixed" != "$hex"
expect "file version 1.0.0.0" test "${fixed:8:16}" = "0000010000000000"
expect "product version 1.0.0.0" test "${fixed:24:16}" = "0000010000000000"
# The translation table: language 0x0C0A, code page 1200 (Unicode).
expect "translation Spanish (Spain), Unicode" grep -q '5400720061006e0073006c006100740069006f006e0000000000*0a0cb004' <<<"$hex"

# The string table: every key is followed (after padding) by its value.
iconv -c -f UTF-16LE -t UTF-8 "$work/version" | tr '\0' '\n' | grep -av '^$' >"$work/strings"
value_of() {
    awk -v key="$1" 'found { print; exit } $0 ~ (key "$") { found = 1 }' "$work/strings"
}
expect "string table for language 0C0A, code page 04B0" grep -aq '0C0A04B0$' "$work/strings"
expect "FileVersion is 1.00" test "$(value_of FileVersion)" = "1.00"
expect "ProductVersion is 1.00" test "$(value_of ProductVersion)" = "1.00"
expect "ProductName is Lexidor" test "$(value_of ProductName)" = "Lexidor"
expect "InternalName is Lexidor" test "$(value_of InternalName)" = "Lexidor"
expect "FileDescription is the window caption" test "$(value_of FileDescription)" = "Lexidor de Términos"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
