#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes a screenshot of the real window on a virtual X display after a lookup.
# The display is a private session's (tests/support/private-session.sh, in
# $LEXIDOR_SESSION_ROOT or here), gone afterwards.
# usage: screenshot.sh LEXIDOR OUT.png   (QT_SCALE_FACTOR=2 for a scaled display)
set -euo pipefail
program=$(readlink -f "$1") out=$(realpath -m "$2")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshot: $tool is missing" >&2; exit 1; }
done
if [ "${3:-}" != --inside ]; then
    exec bash "$here/../tests/support/private-session.sh" --display=1280x1024x24 -- \
        bash "$0" "$program" "$out" --inside
fi
trap 'kill $lexidor 2>/dev/null || true' EXIT
"$program" >/dev/null 2>&1 &
lexidor=$!
window=
for _ in $(seq 50); do
    window=$(xdotool search --onlyvisible --name '^Lexidor de' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "screenshot: the window did not appear" >&2; exit 1; }
xdotool windowfocus --sync "$window"
sleep 0.3
xdotool type --delay 30 'planes de actuación municipal'
sleep 0.3
xdotool key Return
sleep 0.5
import -window "$window" "$out"
echo "screenshot: $out"
