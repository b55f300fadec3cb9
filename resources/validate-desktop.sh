#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
#
# Checks Lexidor's desktop integration files: the desktop entry with
# desktop-file-validate, the AppStream metainfo with appstreamcli (no network),
# and that the icon and launchable they name exist. Any error or warning
# fails the check; hints and pedantic notes are shown but pass.
#
# Usage: validate-desktop.sh [RESOURCES_DIR]   (default: this script's folder)
set -uo pipefail

dir=${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)}
app_id=io.github.lexidor.Lexidor
desktop=$dir/$app_id.desktop
metainfo=$dir/$app_id.metainfo.xml

fail() {
    echo "validate-desktop.sh: FAIL: $*" >&2
    exit 1
}

for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null 2>&1 ||
        fail "'$tool' is not installed (Debian: apt-get install desktop-file-utils appstream)"
done
for file in "$desktop" "$metainfo"; do
    [ -f "$file" ] || fail "missing $file"
done

status=0

# desktop-file-validate exits 0 on warnings, so its output is read as well.
out=$(desktop-file-validate "$desktop" 2>&1)
rc=$?
[ -n "$out" ] && echo "$out"
if [ $rc -ne 0 ] || grep -qE ': (error|warning): ' <<<"$out"; then
    echo "validate-desktop.sh: FAIL: desktop-file-validate reports problems in $desktop" >&2
    status=1
fi

# appstreamcli marks issues E: (error), W: (warning), I: (info), P: (pedantic).
out=$(appstreamcli validate --no-net "$metainfo" 2>&1)
rc=$?
echo "$out"
if [ $rc -ne 0 ] || grep -qE '^[EW]: ' <<<"$out"; then
    echo "validate-desktop.sh: FAIL: appstreamcli reports problems in $metainfo" >&2
    status=1
fi

# The metainfo must launch this desktop entry.
if ! grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo"; then
    echo "validate-desktop.sh: FAIL: $metainfo does not name $app_id.desktop as its launchable" >&2
    status=1
fi

# Every hicolor size must hold the icon the desktop entry names.
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -n "$icon" ] || fail "$desktop has no Icon key"
for size in 16x16 32x32 48x48 64x64 128x128 256x256; do
    if [ ! -f "$dir/icons/hicolor/$size/apps/$icon.png" ]; then
        echo "validate-desktop.sh: FAIL: missing icons/hicolor/$size/apps/$icon.png" >&2
        status=1
    fi
done
if [ ! -f "$dir/icons/hicolor/scalable/apps/$icon.svg" ]; then
    echo "validate-desktop.sh: FAIL: missing icons/hicolor/scalable/apps/$icon.svg" >&2
    status=1
fi

[ $status -eq 0 ] && echo "validate-desktop.sh: OK"
exit $status
