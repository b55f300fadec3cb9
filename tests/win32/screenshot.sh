#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes a picture of lexidor.exe under Wine on a virtual X display after
# typing TEXT (default csn) and Enter with the X keyboard, then ends it with
# Alt+C. DPI (default 96) is the display's resolution. The prefix is an x11
# one (tests/win32/wine-run.sh), apart from the tests' headless one; the
# display is a private session's (tests/support/private-session.sh), gone
# afterwards.
# With THEME (dark or light) the program is lexidor-window-test.exe, which
# shows the window under that contrast theme (Wine itself keeps none).
# usage: screenshot.sh lexidor.exe OUTPUT.png [PREFIX [TEXT [DPI]]]
#        screenshot.sh lexidor-window-test.exe OUTPUT.png PREFIX TEXT DPI THEME
set -eu
exe=$(realpath "$1")
output=$(realpath -m "$2")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
prefix=$(realpath -m "${3:-$PWD/build/wine-prefix-x11}")
text=${4:-csn}
dpi=${5:-96}
theme=${6:-}

if [ "${7:-}" != --inside ]; then
    bash "$here/wine-run.sh" "$prefix" setup x11
    exec bash "$here/../support/private-session.sh" --display=$((800 * dpi / 96))x$((600 * dpi / 96))x24 -- \
        bash "$0" "$exe" "$output" "$prefix" "$text" "$dpi" "$theme" --inside
fi

cleanup() {
    [ -n "${program:-}" ] && kill "$program" 2>/dev/null || true
    bash "$here/wine-run.sh" "$prefix" stop
}
trap cleanup EXIT

bash "$here/wine-run.sh" "$prefix" run --dpi "$dpi" "$exe" ${theme:+--show "$theme"} &
program=$!

window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Lexidor' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.2
done
if [ -z "$window" ]; then
    echo "screenshot.sh: the window did not appear" >&2
    exit 1
fi
sleep 1
xdotool type --delay 150 "$text"
xdotool key --delay 150 Return
sleep 1

eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -strip "$output"
echo "screenshot.sh: wrote $output (${WIDTH}x${HEIGHT})"

# Alt+C ends the program.
xdotool key alt+c
for _ in $(seq 50); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$program" 2>/dev/null; then
    echo "screenshot.sh: Alt+C did not end the program" >&2
    exit 1
fi
program=""
