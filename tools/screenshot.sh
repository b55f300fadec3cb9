#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes a screenshot of the real window on a virtual X display after a lookup.
# usage: screenshot.sh LEXIDOR OUT.png   (QT_SCALE_FACTOR=2 for a scaled display)
set -euo pipefail
program=$(readlink -f "$1") out=$2
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshot: $tool is missing" >&2; exit 1; }
done
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $lexidor $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
sleep 1
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
